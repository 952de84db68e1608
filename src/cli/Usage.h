#pragma once

#include <QByteArray>

namespace velko {

// What --help prints: the synopsis, the options as their descriptions say,
// and the rules of --check from their table.
QByteArray usageText();

} // namespace velko
