#pragma once

#include <QString>

namespace velko {

// The document New puts into the "HTML File" page, and that the program starts
// with: no line break after "</html>".
QString newDocumentSkeleton();

} // namespace velko
