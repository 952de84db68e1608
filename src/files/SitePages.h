#pragma once

#include <QStringList>
#include <functional>

namespace velko {

// Every page under `folder`, at any depth: .htm, .html and .xhtml files;
// hidden files and folders are skipped. Sorted by path. `stopped` is asked
// before each entry, since a big tree takes seconds: once it says so, the
// scan ends with what it found.
QStringList pagesInFolder(const QString &folder, const std::function<bool()> &stopped);

// The pages Update Tags In Files works on: each chosen file as it is, and for
// a chosen folder its pagesInFolder. Sorted, each page once.
QStringList pagesToUpdate(const QStringList &chosen, const std::function<bool()> &stopped);

} // namespace velko
