#pragma once

// Comma-separated values as RFC 4180 writes them, as spreadsheets read and
// write them: a field with a comma, a quote or a line break in it is quoted,
// a quote inside doubled.

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace velko {

// The records of `text`. Records end at CR LF, a lone LF or a lone CR; a line
// break inside quotes is kept as it is. A last record without a line break
// counts, an empty last line does not. A quote that opens a field must close
// it: without its partner, or with text after it before the next comma, the
// text is refused and `error` says where.
std::optional<QList<QStringList>> parseCsv(QStringView text, QString *error);

// The records as one text, each field quoted only when it has to be, each
// record ending in CR LF.
QString csvText(const QList<QStringList> &records);

} // namespace velko
