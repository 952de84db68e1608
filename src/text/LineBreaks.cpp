#include "text/LineBreaks.h"

#include <QLatin1StringView>
#include <algorithm>
#include <cstring>

namespace velko {

namespace {

bool isBreakUnit(QChar c) {
    return c == u'\r' || c == u'\n';
}

constexpr quint64 kOnes = 0x0001000100010001; // one in each character of four

// Whether one of four characters is a line break.
bool hasBreakUnit(quint64 four) {
    constexpr quint64 kHighs = kOnes << 15;
    const auto hasZero = [](quint64 lanes) { return ((lanes - kOnes) & ~lanes & kHighs) != 0; };
    return hasZero(four ^ (kOnes * u'\r')) || hasZero(four ^ (kOnes * u'\n'));
}

// How many of the `count` characters from `a` and `b` on (`step` 1) or before
// them (`step` -1) are the same in both, up to the first line break; four at
// a time, as a page's lines mostly are the same.
qsizetype sameRun(const char16_t *a, const char16_t *b, qsizetype count, int step) {
    const qsizetype back = step < 0 ? 4 : 0;
    qsizetype same = 0;
    for (; same + 4 <= count; same += 4) {
        quint64 four;
        quint64 other;
        std::memcpy(&four, a + step * same - back, sizeof four);
        std::memcpy(&other, b + step * same - back, sizeof other);
        if (four != other || hasBreakUnit(four))
            break;
    }
    const qsizetype first = step < 0 ? -1 : 0;
    for (; same < count; ++same) {
        const char16_t c = a[step * same + first];
        if (c != b[step * same + first] || isBreakUnit(c))
            break;
    }
    return same;
}

// The length of the line break that starts at `at`; 0 when none does.
qsizetype breakAt(QStringView text, qsizetype at) {
    if (text[at] == u'\n')
        return 1;
    if (text[at] != u'\r')
        return 0;
    return at + 1 < text.size() && text[at + 1] == u'\n' ? 2 : 1;
}

// The length of the line break that ends at `end`; 0 when none does.
qsizetype breakBefore(QStringView text, qsizetype end) {
    if (text[end - 1] == u'\r')
        return 1;
    if (text[end - 1] != u'\n')
        return 0;
    return end >= 2 && text[end - 2] == u'\r' ? 2 : 1;
}

} // namespace

QByteArrayView lineBreakBytes(LineBreak style) {
    switch (style) {
    case LineBreak::Lf:
        return "\n";
    case LineBreak::Cr:
        return "\r";
    case LineBreak::CrLf:
        break;
    }
    return "\r\n";
}

LineBreak firstLineBreak(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n')
            return LineBreak::Lf;
        if (text[i] == u'\r')
            return breakAt(text, i) == 2 ? LineBreak::CrLf : LineBreak::Cr;
    }
    return LineBreak::CrLf;
}

QString withLineBreaks(QStringView text, LineBreak style) {
    const QLatin1StringView lineBreak(lineBreakBytes(style));
    QString out;
    // Room for a lone LF every 32 characters, so most texts need no regrowth.
    out.reserve(text.size() + text.size() / 32 + lineBreak.size());
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isBreakUnit(text[i]))
            continue;
        out.append(text.sliced(lineStart, i - lineStart)).append(lineBreak);
        i += breakAt(text, i) - 1;
        lineStart = i + 1;
    }
    out.append(text.sliced(lineStart));
    return out;
}

// The end is matched first, then the start up to where the end begins. A block
// inserted after a tag ends with a line break where the original has the
// tag's ">", so the matched end stops right behind the block and the matched
// start right before it: the block is the only change, even where its first
// lines repeat the page's.
Revision reviseLineBreaks(QStringView document, QStringView original, LineBreak style) {
    qsizetype documentEnd = document.size(); // where the shared end begins
    qsizetype originalEnd = original.size();
    for (;;) {
        const qsizetype same =
            sameRun(document.utf16() + documentEnd, original.utf16() + originalEnd,
                    std::min(documentEnd, originalEnd), -1);
        documentEnd -= same;
        originalEnd -= same;
        if (documentEnd == 0 || originalEnd == 0)
            break;
        const qsizetype documentBreak = breakBefore(document, documentEnd);
        const qsizetype originalBreak = breakBefore(original, originalEnd);
        if (documentBreak == 0 || originalBreak == 0)
            break;
        documentEnd -= documentBreak;
        originalEnd -= originalBreak;
    }
    qsizetype documentStart = 0; // where the shared start ends
    qsizetype originalStart = 0;
    for (;;) {
        const qsizetype same =
            sameRun(document.utf16() + documentStart, original.utf16() + originalStart,
                    std::min(documentEnd - documentStart, originalEnd - originalStart), 1);
        documentStart += same;
        originalStart += same;
        if (documentStart == documentEnd || originalStart == originalEnd)
            break;
        const qsizetype documentBreak = breakAt(document, documentStart);
        const qsizetype originalBreak = breakAt(original, originalStart);
        if (documentBreak == 0 || originalBreak == 0 ||
            documentStart + documentBreak > documentEnd ||
            originalStart + originalBreak > originalEnd)
            break;
        documentStart += documentBreak;
        originalStart += originalBreak;
    }

    Revision revision{
        originalStart, originalEnd,
        withLineBreaks(document.sliced(documentStart, documentEnd - documentStart), style)};
    qsizetype lastLine = document.size();
    while (lastLine > 0 && !isBreakUnit(document[lastLine - 1]))
        --lastLine;
    if (documentEnd > lastLine)
        revision.changed.append(QLatin1StringView(lineBreakBytes(style)));
    return revision;
}

} // namespace velko
