#include "document/TagInsertion.h"

#include "text/AsciiCase.h"

namespace velko {

namespace {

constexpr QLatin1StringView kHeadTag("<head>");

} // namespace

qsizetype findHeadTag(QStringView document) {
    return indexOfAsciiCaseless(document, kHeadTag);
}

bool tagKindsOverlap(QStringView block, QStringView document) {
    for (QLatin1StringView marker :
         {QLatin1StringView("<title>"), QLatin1StringView("<meta"), QLatin1StringView("<link")})
        if (containsAsciiCaseless(block, marker) && containsAsciiCaseless(document, marker))
            return true;
    return false;
}

Insertion insertAfterHead(QStringView document, qsizetype headOffset, QStringView block) {
    const qsizetype frontLength = headOffset + kHeadTag.size();
    static const QString crLf = QStringLiteral("\r\n");
    QString text;
    text.reserve(document.size() + crLf.size() + block.size());
    text.append(document.first(frontLength)).append(crLf).append(block);
    text.append(document.sliced(frontLength));
    return {text, frontLength + crLf.size(), block.size()};
}

} // namespace velko
