#include "document/TagInsertion.h"

#include "base/AsciiCase.h"

namespace velko {

bool tagKindsOverlap(QStringView block, QStringView document) {
    for (QLatin1StringView marker :
         {QLatin1StringView("<title>"), QLatin1StringView("<meta"), QLatin1StringView("<link")})
        if (containsAsciiCaseless(block, marker) && containsAsciiCaseless(document, marker))
            return true;
    return false;
}

Insertion insertAfterHead(QStringView document, qsizetype at, QStringView block) {
    static const QString crLf = QStringLiteral("\r\n");
    // As in the page's bytes below: a document that ends where the block
    // goes gets no last line break.
    if (at == document.size() && block.endsWith(crLf))
        block.chop(crLf.size());
    QString text;
    text.reserve(document.size() + crLf.size() + block.size());
    text.append(document.first(at)).append(crLf).append(block);
    text.append(document.sliced(at));
    return {text, at + crLf.size(), block.size()};
}

QByteArray insertIntoPage(QByteArrayView bytes, const DecodedText &page, qsizetype at,
                          QStringView block) {
    const Encoding &encoding = page.format.encoding;
    // Decoding the page and encoding its text gives back its bytes, so the
    // text before `at` encodes to the bytes before the place.
    const qsizetype byteAt = (page.format.byteOrderMark ? encoding.byteOrderMark().size() : 0) +
                             encoding.encode(QStringView(page.text).first(at)).size();
    QByteArray inserted = encoding.encode(
        withLineBreaks(QStringLiteral("\r\n").append(block), page.format.lineBreak));
    // A page that ends where the block goes has no last line break: nor
    // does the block get one.
    const QByteArray lineBreak =
        encoding.encode(QString::fromLatin1(lineBreakBytes(page.format.lineBreak)));
    if (at == page.text.size() && inserted.endsWith(lineBreak))
        inserted.chop(lineBreak.size());
    QByteArray out;
    out.reserve(bytes.size() + inserted.size());
    out.append(bytes.first(byteAt)).append(inserted).append(bytes.sliced(byteAt));
    return out;
}

} // namespace velko
