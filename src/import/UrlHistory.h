#pragma once

// Url.dat: the addresses of the Import from Web dialog, one per line.

#include <QStringList>

namespace velko {

// Url.dat in Velko's data folder.
QString urlHistoryPath(const QString &dataFolder);

// The addresses, trimmed, without blank lines or lines too long to be an
// address; none when the file is missing or unreadable.
QStringList loadUrlHistory(const QString &path);

// Replaces the file atomically, readable by the user only. On failure returns
// false and sets `error`.
bool saveUrlHistory(const QString &path, const QStringList &urls, QString *error);

} // namespace velko
