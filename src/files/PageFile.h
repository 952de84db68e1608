#pragma once

// A page's bytes for the command line, which reads pages without decoding
// them: a large page is mapped rather than copied, so even a huge page costs
// little memory.

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

namespace velko {

// Locked: the page is held with an advisory lock (flock) for as long as the
// PageFile lives, so that other runs that update it wait for this one.
enum class PageLock { None, Locked };

// Why a page could not be updated: other programs kept changing it.
constexpr const char *kChangedWhileUpdated = "changed by another program while being updated";
// Why an edit of a page was not written: its bytes are not those it was made on.
constexpr const char *kChangedSinceRead = "changed on disk since it was read";

class PageFile {
public:
    // Opens and reads or maps the regular file at `path`; anything else (a
    // folder, a FIFO, a device) is refused.
    explicit PageFile(const QString &path, PageLock lock = PageLock::None);

    // Why the page could not be read; empty when it was.
    const QString &error() const { return m_error; }
    QByteArrayView bytes() const { return m_bytes; }

private:
    bool lock();

    QFile m_file;
    QByteArray m_read;
    QByteArrayView m_bytes;
    QString m_error;
};

} // namespace velko
