#pragma once

// Real files for tests.

#include <QFile>

namespace velko::test {

// The file's bytes, or "<missing>" when it cannot be read.
inline QByteArray bytesOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Replaces the file's content; fails the test run when it cannot.
inline void writeBytes(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace velko::test
