#include "check/PageEncoding.h"

#include <algorithm>
#include <vector>

namespace velko {

namespace {

using L = QLatin1StringView;

// Sixty-four bytes at a time, which compilers turn into vector code: the
// whole page is asked about.
bool isAscii(QByteArrayView bytes) {
    const char *at = bytes.data();
    const char *const end = at + bytes.size();
    for (; end - at >= 64; at += 64) {
        unsigned char any = 0;
        for (int i = 0; i < 64; ++i)
            any |= static_cast<unsigned char>(at[i]);
        if (any & 0x80)
            return false;
    }
    return std::all_of(at, end, [](char c) { return (c & 0x80) == 0; });
}

} // namespace

PageDecoder::PageDecoder(QByteArrayView charset)
    : m_charset(charset.toByteArray())
    , m_decoder(m_charset.constData(), QStringDecoder::Flag::Stateless) {
    m_known = m_decoder.isValid();
    m_name = m_known ? QString::fromLatin1(m_decoder.name()) : QString::fromLatin1(charset);
    m_utf8 = m_known && (m_name.startsWith(L("UTF-8"), Qt::CaseInsensitive) ||
                         m_name.startsWith(L("UTF-16"), Qt::CaseInsensitive) ||
                         m_name.startsWith(L("UTF-32"), Qt::CaseInsensitive));
}

QString PageDecoder::decode(QByteArrayView bytes) {
    if (m_utf8)
        return QString::fromUtf8(bytes);
    if (!m_known || isAscii(bytes))
        return QString::fromLatin1(bytes);
    return m_decoder.decode(bytes);
}

qsizetype PageDecoder::characterCount(QByteArrayView bytes) {
    if (isAscii(bytes))
        return bytes.size();
    const QString text = decode(bytes);
    qsizetype count = text.size();
    for (qsizetype i = 1; i < text.size(); ++i)
        count -= text[i].isLowSurrogate() && text[i - 1].isHighSurrogate();
    return count;
}

bool PageDecoder::fits(QByteArrayView page) {
    if (m_utf8)
        return page.isValidUtf8();
    if (!m_known || isAscii(page))
        return true;
    // In pieces that end at a line break, which no multi-byte character
    // holds, so the pieces decode alone and need no buffer the page's size.
    constexpr qsizetype kPiece = 64 * 1024;
    std::vector<QChar> buffer;
    QStringDecoder decoder(m_charset.constData(), QStringDecoder::Flag::Stateless);
    for (qsizetype at = 0; at < page.size();) {
        qsizetype end = std::min(page.size(), at + kPiece);
        if (end < page.size()) {
            const qsizetype lineEnd = page.sliced(at, end - at).lastIndexOf('\n');
            if (lineEnd >= 0)
                end = at + lineEnd + 1;
        }
        const QByteArrayView piece = page.sliced(at, end - at);
        buffer.resize(size_t(decoder.requiredSpace(piece.size())));
        decoder.appendToBuffer(buffer.data(), piece);
        if (decoder.hasError())
            return false;
        at = end;
    }
    return true;
}

} // namespace velko
