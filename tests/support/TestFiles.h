#pragma once

// Real files for tests: reading and writing bytes, and a full disk.

#include <QByteArray>
#include <QString>
#include <sys/resource.h>

namespace velko::test {

// The file's bytes, or "<missing>" when it cannot be read.
QByteArray bytesOf(const QString &path);
// Replaces the file's content; fails the test run when it cannot.
void writeBytes(const QString &path, const QByteArray &bytes);

// While it lives, every write past `bytes` fails with EFBIG (SIGXFSZ is
// ignored), as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace velko::test
