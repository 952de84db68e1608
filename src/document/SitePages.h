#pragma once

#include <QStringList>

namespace velko {

// The pages Update Tags In Files works on: each chosen file as it is, and for
// a chosen folder every .htm and .html file under it, at any depth; hidden
// files and folders are skipped. Sorted, each page once.
QStringList pagesToUpdate(const QStringList &chosen);

} // namespace velko
