#pragma once

// What a file was when Velko read or wrote it, so that a change another
// program made since can be told. The bytes decide; size, time and inode only
// spare reading the file again when none of them moved.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace velko {

struct FileSnapshot {
    qint64 size = -1;    // -1: no file
    qint64 modified = 0; // nanoseconds since the epoch
    quint64 device = 0;
    quint64 inode = 0;
    QByteArray hash; // of the bytes

    bool isValid() const { return size >= 0; }
};

// The hash snapshots keep of a file's bytes.
QByteArray contentHash(QByteArrayView bytes);

// The snapshot of the file open as `fd`, which holds `bytes`.
FileSnapshot snapshotOf(int fd, QByteArrayView bytes);

// Whether the file at `path` now holds other bytes than it did at the
// snapshot. No snapshot, or no file any more, is no change: nothing would be
// overwritten.
bool changedSince(const QString &path, const FileSnapshot &snapshot);

} // namespace velko
