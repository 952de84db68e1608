#include "check/PagePlaces.h"

#include "check/PageEncoding.h"
#include "page/PageScanner.h"

#include <algorithm>

namespace velko {

std::vector<LineColumn> linesAndColumns(QByteArrayView page, qsizetype start, PageDecoder &decoder,
                                        std::span<const qsizetype> offsets) {
    std::vector<LineColumn> places;
    places.reserve(offsets.size());
    qsizetype line = 1;
    qsizetype scanned = start;
    // A place whose column is known: the start of the line, or the last offset.
    qsizetype anchor = start;
    qsizetype anchorColumn = 1;
    for (const qsizetype offset : offsets) {
        for (; scanned < offset; ++scanned) {
            const char c = page[scanned];
            if (c != '\n' && c != '\r')
                continue;
            if (c == '\r' && scanned + 1 < page.size() && page[scanned + 1] == '\n')
                ++scanned;
            ++line;
            anchor = scanned + 1;
            anchorColumn = 1;
        }
        const qsizetype at = std::max(offset, anchor); // never inside a CR LF
        const qsizetype column =
            anchorColumn + decoder.characterCount(page.sliced(anchor, at - anchor));
        anchor = at;
        anchorColumn = column;
        places.push_back({line, column});
    }
    return places;
}

qsizetype textOffset(QStringView text, qsizetype line, qsizetype column) {
    qsizetype at = 0;
    for (qsizetype number = 1; number < line; ++number) {
        while (at < text.size() && text[at] != u'\r' && text[at] != u'\n')
            ++at;
        if (at == text.size())
            return at;
        at += text[at] == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n' ? 2 : 1;
    }
    for (qsizetype number = 1;
         number < column && at < text.size() && text[at] != u'\r' && text[at] != u'\n'; ++number)
        at += text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate()
                  ? 2
                  : 1;
    return at;
}

Span tagAt(QStringView text, qsizetype offset) {
    Span found{offset, 0};
    scanPage(text, [&](const PageToken &token) {
        if (token.whole.start > offset)
            return false;
        if (offset < token.whole.end())
            found = token.whole;
        return found.length == 0;
    });
    return found;
}

} // namespace velko
