#pragma once

// The report of a check run: one HTML file that needs nothing from
// elsewhere (no script, style sheet, font or image), so it opens from disk
// with no network. Its markup is well-formed XML too. The page table is
// drawn by a script in the file from the pages' data, kept in the file as
// JSON, a screenful at a time, so a report of 20,000 pages opens about as
// fast as one of 20.

#include "report/CheckRun.h"

#include <QByteArray>

namespace velko {

// The report's bytes, in UTF-8. The pages' paths are taken as relative to the
// folder the report will be saved in.
QByteArray reportHtml(const CheckRun &run);

} // namespace velko
