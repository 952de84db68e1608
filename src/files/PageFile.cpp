#include "files/PageFile.h"

#include "files/TextFile.h"

namespace velko {

PageFile::PageFile(const QString &path)
    : m_file(path) {
    if (!openRegularFile(m_file, &m_error))
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

} // namespace velko
