#pragma once

#include <QStringList>
#include <functional>

namespace velko {

// The pages Update Tags In Files works on: each chosen file as it is, and for
// a chosen folder every .htm and .html file under it, at any depth; hidden
// files and folders are skipped. Sorted, each page once. `stopped` is asked
// before each entry, since a big tree takes seconds: once it says so, the
// scan ends with what it found.
QStringList pagesToUpdate(const QStringList &chosen, const std::function<bool()> &stopped);

} // namespace velko
