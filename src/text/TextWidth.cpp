#include "text/TextWidth.h"

#include "text/LiberationSansAdvances.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <utility>

namespace velko {

namespace {

using liberationSans::unitsPerEm;

// The font's advance for `c`, or -1 when it lacks `c`.
constexpr int fontAdvance(char32_t c) {
    using liberationSans::runs;
    const auto after =
        std::upper_bound(runs.begin(), runs.end(), c,
                         [](char32_t value, const auto &run) { return value < run.first; });
    if (after == runs.begin())
        return -1;
    const auto &run = *std::prev(after);
    return c <= run.last ? liberationSans::advances[run.offset + (c - run.first)] : -1;
}

// Below U+0100 the font lacks only controls: those that break or space text
// show as a space, the others as nothing.
constexpr int latin1Advance(char32_t c) {
    const int advance = fontAdvance(c);
    if (advance >= 0)
        return advance;
    return (c >= 0x09 && c <= 0x0D) || c == 0x85 ? fontAdvance(U' ') : 0;
}

constexpr auto latin1Advances = [] {
    std::array<std::uint16_t, 256> table{};
    for (char32_t c = 0; c < table.size(); ++c)
        table[c] = std::uint16_t(latin1Advance(c));
    return table;
}();

// Characters a browser draws from a fallback font about an em wide: East Asian
// wide characters, emoji and pictographs. Colour emoji fonts draw emoji a
// little wider, by an amount that differs from one system to the next.
constexpr std::pair<char32_t, char32_t> wideRanges[] = {
    {0x1100, 0x115F},   // Hangul leading consonants
    {0x2E80, 0x303E},   // CJK radicals, CJK symbols and punctuation
    {0x3041, 0x33FF},   // Kana, Bopomofo, Hangul compatibility jamo, CJK compatibility
    {0x3400, 0x4DBF},   // CJK extension A
    {0x4E00, 0x9FFF},   // CJK unified ideographs
    {0xA000, 0xA4CF},   // Yi
    {0xA960, 0xA97F},   // Hangul jamo extended A
    {0xAC00, 0xD7A3},   // Hangul syllables
    {0xF900, 0xFAFF},   // CJK compatibility ideographs
    {0xFE10, 0xFE19},   // vertical forms
    {0xFE30, 0xFE6F},   // CJK compatibility and small forms
    {0xFF00, 0xFF60},   // full-width forms
    {0xFFE0, 0xFFE6},   // full-width signs
    {0x1F000, 0x1FAFF}, // emoji and pictographs
    {0x20000, 0x3FFFD}, // CJK extensions B and later
};

bool isCombiningMark(char32_t c) {
    const QChar::Category category = QChar::category(c);
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing;
}

// For a character the font lacks: marks and format characters take no room,
// wide characters an em, any other (another script) the font's average.
int missingAdvance(char32_t c) {
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_Enclosing:
    case QChar::Other_Format:
        return 0;
    default:
        break;
    }
    const bool wide =
        std::any_of(std::begin(wideRanges), std::end(wideRanges),
                    [c](const auto &range) { return c >= range.first && c <= range.second; });
    return wide ? unitsPerEm : liberationSans::averageAdvance;
}

int advance(char32_t c) {
    if (c < latin1Advances.size())
        return latin1Advances[c];
    const int advance = fontAdvance(c);
    return advance >= 0 ? advance : missingAdvance(c);
}

struct CodePoint {
    char32_t value;
    qsizetype end; // where the next code point starts
};

// A surrogate pair is one code point; a lone surrogate stands for itself.
CodePoint codePointAt(QStringView text, qsizetype at) {
    const char16_t unit = text[at].unicode();
    if (QChar::isHighSurrogate(unit) && at + 1 < text.size() && text[at + 1].isLowSurrogate())
        return {QChar::surrogateToUcs4(unit, text[at + 1].unicode()), at + 2};
    return {unit, at + 1};
}

// Blanks are where a line may break; no-break spaces are not among them.
bool isBlank(char32_t c) {
    return QChar::isSpace(c) && c != 0x00A0 && c != 0x2007 && c != 0x202F;
}

// Kerning is left out. Browsers kern these snippets, which mostly narrows
// them: by about a pixel for a typical title at 20 px, by ten or more where
// many capitals meet ("AVATAR Travel: Yes, Tokyo"). So the measure errs on the
// wide side, and a title the preview shows whole is not cut on the page.
qint64 advanceUnits(QStringView text) {
    qint64 units = 0;
    for (qsizetype at = 0; at < text.size();) {
        const CodePoint c = codePointAt(text, at);
        units += advance(c.value);
        at = c.end;
    }
    return units;
}

double toPixels(qint64 units, double pixelSize) {
    return double(units) * pixelSize / unitsPerEm;
}

} // namespace

double textWidth(QStringView text, double pixelSize) {
    return toPixels(advanceUnits(text), pixelSize);
}

TextExtent textExtent(QStringView text, double pixelSize) {
    TextExtent extent;
    for (qsizetype at = 0; at < text.size();) {
        const CodePoint c = codePointAt(text, at);
        // Below U+0300 there are no combining marks.
        if (c.value < 0x300 || !isCombiningMark(c.value))
            ++extent.characters;
        at = c.end;
    }
    extent.pixels = int(std::lround(textWidth(text, pixelSize)));
    return extent;
}

QString cutToWidth(QStringView text, double maxWidth, double pixelSize) {
    const auto fits = [&](qint64 units) { return toPixels(units, pixelSize) <= maxWidth; };
    if (fits(advanceUnits(text)))
        return text.toString();
    constexpr char16_t ellipsis = u'…';
    qint64 units = advance(ellipsis);
    qsizetype fitEnd = 0; // the end of the longest start that fits with "…"
    qsizetype blankCut = -1;
    bool afterWord = false;
    for (qsizetype at = 0; at < text.size();) {
        const CodePoint c = codePointAt(text, at);
        const bool blank = isBlank(c.value);
        // Everything before `at` fits, since the loop stops at the first
        // character that does not.
        if (blank && afterWord)
            blankCut = at;
        units += advance(c.value);
        if (!fits(units))
            break;
        afterWord = afterWord || !blank;
        fitEnd = at = c.end;
    }
    QStringView kept = text.first(blankCut >= 0 ? blankCut : fitEnd);
    while (!kept.isEmpty() && isBlank(kept.back().unicode()))
        kept.chop(1);
    return kept.toString() + QChar(ellipsis);
}

} // namespace velko
