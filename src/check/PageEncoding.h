#pragma once

// A page's bytes decoded in a charset named the way pages name them ("utf-8",
// "windows-1250", "Shift_JIS"), through QStringDecoder.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

namespace velko {

// Decodes pieces of a page in one charset. A name that declares UTF-16 or
// UTF-32 reads as UTF-8, as in browsers (the markup could not have been read
// otherwise); a name QStringDecoder does not know reads as Latin-1, byte for
// character.
class PageDecoder {
public:
    explicit PageDecoder(QByteArrayView charset);

    bool isKnown() const { return m_known; }
    // The charset's own name ("UTF-8", "windows-1252"), the same for all its
    // aliases; the name as given when the charset is unknown.
    QString name() const { return m_name; }

    QString decode(QByteArrayView bytes);
    // How many characters (code points) `bytes` holds.
    qsizetype characterCount(QByteArrayView bytes);
    // True when every byte of `page` decodes: valid UTF-8 for UTF-8; for any
    // other charset, no byte that QStringDecoder reports as an error.
    bool fits(QByteArrayView page);

private:
    QByteArray m_charset;
    bool m_utf8 = false;
    bool m_known = false;
    QString m_name;
    QStringDecoder m_decoder;
};

} // namespace velko
