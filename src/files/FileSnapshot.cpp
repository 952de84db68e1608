#include "files/FileSnapshot.h"

#include <QCryptographicHash>
#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velko {

namespace {

FileSnapshot stampOf(const struct stat &info) {
    FileSnapshot stamp;
    stamp.size = info.st_size;
    stamp.modified = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    stamp.device = info.st_dev;
    stamp.inode = info.st_ino;
    return stamp;
}

} // namespace

QByteArray contentHash(QByteArrayView bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

FileSnapshot snapshotOf(int fd, QByteArrayView bytes) {
    struct stat info {};
    if (fstat(fd, &info) != 0)
        return {};
    FileSnapshot snapshot = stampOf(info);
    snapshot.hash = contentHash(bytes);
    return snapshot;
}

bool changedSince(const QString &path, const FileSnapshot &snapshot) {
    if (!snapshot.isValid())
        return false;
    struct stat info {};
    if (stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    const FileSnapshot now = stampOf(info);
    if (now.size == snapshot.size && now.modified == snapshot.modified &&
        now.device == snapshot.device && now.inode == snapshot.inode)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true; // cannot be compared: better asked than overwritten
    return contentHash(file.readAll()) != snapshot.hash;
}

} // namespace velko
