#include "files/FileWrite.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace velko {

namespace {

QByteArray encoded(const QString &path) {
    return QFile::encodeName(path);
}

WriteResult failed(QString *error, const QString &cause) {
    if (error)
        *error = cause;
    return WriteResult::Failed;
}

WriteResult failedWithErrno(QString *error) {
    return failed(error, qt_error_string(errno));
}

class Descriptor {
public:
    explicit Descriptor(int fd)
        : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int fd() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }

private:
    int m_fd;
};

// A new file beside `target`, removed again unless kept.
class FileBeside {
public:
    FileBeside(const QString &target, const char *prefix, const char *suffix) {
        const QFileInfo info(target);
        m_path = encoded(info.path()) + '/' + prefix + encoded(info.fileName()) + suffix + "XXXXXX";
        m_fd = ::mkostemp(m_path.data(), O_CLOEXEC);
    }
    ~FileBeside() {
        if (m_fd < 0)
            return;
        ::close(m_fd);
        if (!m_kept)
            ::unlink(m_path.constData());
    }
    FileBeside(const FileBeside &) = delete;
    FileBeside &operator=(const FileBeside &) = delete;

    int fd() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }
    const QByteArray &path() const { return m_path; }
    void keep() { m_kept = true; }

private:
    QByteArray m_path;
    int m_fd = -1;
    bool m_kept = false;
};

bool writeAll(int fd, QByteArrayView bytes, std::optional<off_t> offset = std::nullopt) {
    for (qsizetype done = 0; done < bytes.size();) {
        const size_t left = size_t(bytes.size() - done);
        const ssize_t count = offset ? ::pwrite(fd, bytes.data() + done, left, *offset + done)
                                     : ::write(fd, bytes.data() + done, left);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        done += count;
    }
    return true;
}

// The whole file open as `fd`, from its start.
std::optional<QByteArray> readAll(int fd) {
    QByteArray bytes;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t count = ::pread(fd, buffer, sizeof buffer, off_t(bytes.size()));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return std::nullopt;
        if (count == 0)
            return bytes;
        bytes.append(buffer, count);
    }
}

std::optional<QByteArray> readAll(const QByteArray &path) {
    const Descriptor file(::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
    return file.isOpen() ? readAll(file.fd()) : std::nullopt;
}

// /dev/stdout, /dev/stderr, /dev/fd/N and /proc/self/fd/N name files this
// process has open already, as the shell set them up: a log opened for
// appending is appended to, never replaced.
std::optional<int> processStream(const QString &path) {
    if (path == QLatin1String("/dev/stdout"))
        return 1;
    if (path == QLatin1String("/dev/stderr"))
        return 2;
    for (const QLatin1StringView folder :
         {QLatin1StringView("/dev/fd/"), QLatin1StringView("/proc/self/fd/")}) {
        bool ok = false;
        const int fd = path.startsWith(folder) ? path.sliced(folder.size()).toInt(&ok) : -1;
        if (ok && fd >= 0)
            return fd;
    }
    return std::nullopt;
}

WriteResult writeStream(int fd, QByteArrayView bytes, QString *error) {
    return writeAll(fd, bytes) ? WriteResult::Written : failedWithErrno(error);
}

mode_t processUmask() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
            bool ok = false;
            const uint mask = line.startsWith("Umask:") ? line.mid(6).trimmed().toUInt(&ok, 8) : 0;
            if (ok)
                return mode_t(mask);
        }
    }
    return 022;
}

QList<QByteArray> attributeNames(const QByteArray &path, int fd) {
    QByteArray names(1024, '\0');
    for (;;) {
        const ssize_t size =
            fd >= 0 ? ::flistxattr(fd, names.data(), size_t(names.size()))
                    : ::listxattr(path.constData(), names.data(), size_t(names.size()));
        if (size >= 0) {
            names.truncate(size);
            break;
        }
        if (errno != ERANGE)
            return {};
        names.resize(names.size() * 4);
    }
    QList<QByteArray> list = names.split('\0');
    list.removeAll(QByteArray());
    return list;
}

// Gives the file open as `to` every extended attribute of the file at `from`,
// ACLs among them, and none it lacks (such as a folder's default ACL that
// the new file took). False when one cannot be set.
bool copyAttributes(const QByteArray &from, int to) {
    const QList<QByteArray> names = attributeNames(from, -1);
    for (const QByteArray &name : attributeNames({}, to))
        if (!names.contains(name) && ::fremovexattr(to, name.constData()) != 0)
            return false;
    for (const QByteArray &name : names) {
        const ssize_t size = ::getxattr(from.constData(), name.constData(), nullptr, 0);
        QByteArray value(std::max<ssize_t>(size, 0), '\0');
        if (size < 0 ||
            ::getxattr(from.constData(), name.constData(), value.data(), size_t(value.size())) !=
                size ||
            ::fsetxattr(to, name.constData(), value.constData(), size_t(value.size()), 0) != 0)
            return false;
    }
    return true;
}

void syncFolderOf(const QString &path) {
    const Descriptor folder(
        ::open(encoded(QFileInfo(path).path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.isOpen())
        ::fsync(folder.fd());
}

void takeSnapshot(const WriteRules &rules, int fd, QByteArrayView bytes) {
    if (rules.written)
        *rules.written = snapshotOf(fd, bytes);
}

// Replaces the file at `target` (described by `old`, null for a new file)
// with a new one renamed over it. Nothing when the new file could not take
// the old one's owner, group or attributes: then it is to be written in place.
std::optional<WriteResult> replace(const QString &target, const struct stat *old,
                                   QByteArrayView bytes, const WriteRules &rules, QString *error) {
    const QByteArray name = encoded(target);
    FileBeside temp(target, ".", ".velko-");
    if (!temp.isOpen())
        return failedWithErrno(error);
    if (old) {
        // The new file's group is not always the process's: a folder with the
        // set-group-ID bit gives its own.
        struct stat made {};
        const bool ownerKept = ::fstat(temp.fd(), &made) == 0 &&
                               ((made.st_uid == old->st_uid && made.st_gid == old->st_gid) ||
                                ::fchown(temp.fd(), old->st_uid, old->st_gid) == 0);
        if (!ownerKept || !copyAttributes(name, temp.fd()))
            return std::nullopt;
    }
    const mode_t mode = rules.ownerOnly ? 0600
                        : old           ? old->st_mode & 07777
                                        : 0666 & ~processUmask();
    if (::fchmod(temp.fd(), mode) != 0 || !writeAll(temp.fd(), bytes) || ::fsync(temp.fd()) != 0)
        return failedWithErrno(error);
    if (rules.expected && readAll(name) != *rules.expected)
        return WriteResult::Changed;
    if (::rename(temp.path().constData(), name.constData()) != 0)
        return failedWithErrno(error);
    temp.keep(); // it is the file now
    takeSnapshot(rules, temp.fd(), bytes);
    return WriteResult::Written;
}

// Writes over the file's own bytes, so that its inode, every hard link to it
// and all it was stay; a verified copy of the old bytes beside it covers the
// moments it is half written.
WriteResult writeInPlace(const QString &target, QByteArrayView bytes, const WriteRules &rules,
                         QString *error) {
    const Descriptor file(::open(encoded(target).constData(), O_RDWR | O_CLOEXEC | O_NOCTTY));
    const std::optional<QByteArray> old = file.isOpen() ? readAll(file.fd()) : std::nullopt;
    if (!old)
        return failedWithErrno(error);
    if (rules.expected && *old != *rules.expected)
        return WriteResult::Changed;
    FileBeside copy(target, "", ".velko-old-");
    if (!copy.isOpen() || !writeAll(copy.fd(), *old) || ::fsync(copy.fd()) != 0)
        return failedWithErrno(error);
    if (readAll(copy.fd()) != *old)
        return failed(error, QStringLiteral("the copy of the old bytes reads back wrong"));
    syncFolderOf(target);
    // Room first, so that a full disk leaves the file as it was.
    if (bytes.size() > old->size() &&
        ::fallocate(file.fd(), FALLOC_FL_KEEP_SIZE, 0, off_t(bytes.size())) != 0 &&
        errno != EOPNOTSUPP)
        return failedWithErrno(error);
    if (!writeAll(file.fd(), bytes, 0) || ::ftruncate(file.fd(), off_t(bytes.size())) != 0 ||
        ::fsync(file.fd()) != 0) {
        const QString cause = qt_error_string(errno);
        if (writeAll(file.fd(), *old, 0) && ::ftruncate(file.fd(), off_t(old->size())) == 0 &&
            ::fsync(file.fd()) == 0)
            return failed(error, cause);
        copy.keep();
        return failed(error, cause + QStringLiteral("; the old bytes are in ") +
                                 QFile::decodeName(copy.path()));
    }
    if (rules.ownerOnly)
        ::fchmod(file.fd(), 0600);
    takeSnapshot(rules, file.fd(), bytes);
    return WriteResult::Written;
}

} // namespace

std::optional<QString> resolvePath(const QString &path, QString *error) {
    const QByteArray name = encoded(path);
    auto resolved = [](const QByteArray &name) -> std::optional<QString> {
        char *real = ::realpath(name.constData(), nullptr);
        if (!real)
            return std::nullopt;
        const QString result = QFile::decodeName(real);
        std::free(real);
        return result;
    };
    if (std::optional<QString> real = resolved(name))
        return real;
    const int cause = errno;
    struct stat link {};
    if (cause == ENOENT && ::lstat(name.constData(), &link) != 0) {
        // No file of that name yet: its folder decides where it goes.
        const QFileInfo info(path);
        if (const std::optional<QString> folder = resolved(encoded(info.path())))
            return *folder + QLatin1Char('/') + info.fileName();
        failed(error, qt_error_string(errno));
        return std::nullopt;
    }
    failed(error,
           cause == ENOENT ? QStringLiteral("Dangling symbolic link") : qt_error_string(cause));
    return std::nullopt;
}

WriteResult writeFile(const QString &path, QByteArrayView bytes, const WriteRules &rules,
                      QString *error) {
    if (const std::optional<int> fd = rules.streams ? processStream(path) : std::nullopt)
        return writeStream(*fd, bytes, error);
    const std::optional<QString> target = resolvePath(path, error);
    if (!target)
        return WriteResult::Failed;
    const QByteArray name = encoded(*target);
    struct stat old {};
    if (::stat(name.constData(), &old) != 0) {
        if (errno != ENOENT)
            return failedWithErrno(error);
        if (rules.expected)
            return WriteResult::Changed; // it was there when read
        return *replace(*target, nullptr, bytes, rules, error);
    }
    if (rules.streams && (S_ISFIFO(old.st_mode) || S_ISCHR(old.st_mode))) {
        const Descriptor stream(::open(name.constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY));
        return stream.isOpen() ? writeStream(stream.fd(), bytes, error) : failedWithErrno(error);
    }
    if (!S_ISREG(old.st_mode))
        return failed(error, QStringLiteral("Not a regular file"));
    // A file the user may not write is not replaced either, even in a folder
    // they may write.
    if (::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) != 0)
        return failedWithErrno(error);
    if (old.st_nlink == 1)
        if (const std::optional<WriteResult> result = replace(*target, &old, bytes, rules, error))
            return *result;
    return writeInPlace(*target, bytes, rules, error);
}

} // namespace velko
