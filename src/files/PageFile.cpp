#include "files/PageFile.h"

#include "files/TextFile.h"

#include <sys/file.h>
#include <sys/stat.h>

namespace velko {

PageFile::PageFile(const QString &path, PageLock lock)
    : m_file(path) {
    if (!openRegularFile(m_file, &m_error) || (lock == PageLock::Locked && !this->lock()))
        return;
    // Small pages are read: mapping and unmapping costs more for them, above
    // all with several threads.
    constexpr qint64 kMapFrom = 1024 * 1024;
    const uchar *mapped = m_file.size() >= kMapFrom ? m_file.map(0, m_file.size()) : nullptr;
    if (mapped) {
        m_bytes = QByteArrayView(reinterpret_cast<const char *>(mapped), m_file.size());
        return;
    }
    m_read = m_file.readAll();
    m_bytes = m_read;
    if (m_file.error() != QFileDevice::NoError)
        m_error = m_file.errorString();
}

// Another run may have replaced the page while this one waited for the lock,
// which then holds the old file: the page is opened again until the file
// locked is the one its path names (a bounded number of times).
bool PageFile::lock() {
    for (int tries = 0; tries < 100; ++tries) {
        if (::flock(m_file.handle(), LOCK_EX) != 0) {
            m_error = qt_error_string(errno);
            return false;
        }
        struct stat locked {
        }, named{};
        if (::fstat(m_file.handle(), &locked) == 0 &&
            ::stat(QFile::encodeName(m_file.fileName()).constData(), &named) == 0 &&
            locked.st_dev == named.st_dev && locked.st_ino == named.st_ino)
            return true;
        m_file.close();
        if (!openRegularFile(m_file, &m_error))
            return false;
    }
    m_error = QString::fromUtf8(kChangedWhileUpdated);
    return false;
}

} // namespace velko
