#include "text/TextWidth.h"

#include "text/FallbackAdvances.h"
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

// Characters that the fallback fonts leave out but that any font a reader
// has for them draws about an em wide: East Asian wide characters, emoji and
// pictographs.
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

// For a character no font of the table has: marks and format characters take
// no room, wide characters an em, any other (another script) the font's
// average.
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

// The advance of `c` in the font a browser falls back to for it.
int fallbackAdvance(char32_t c) {
    using fallbackFonts::starts;
    const auto after = std::upper_bound(starts.begin(), starts.end(), c);
    const int advance = fallbackFonts::advances[std::prev(after) - starts.begin()];
    return advance == fallbackFonts::missing ? missingAdvance(c) : advance;
}

int advance(char32_t c) {
    if (c < latin1Advances.size())
        return latin1Advances[c];
    const int advance = fontAdvance(c);
    return advance >= 0 ? advance : fallbackAdvance(c);
}

// The kerning of `right` after `left` in a table of the font that draws both.
template <typename Lefts, typename Pairs>
int kerning(const Lefts &lefts, const Pairs &pairs, char16_t left, char16_t right) {
    const auto found =
        std::lower_bound(lefts.begin(), lefts.end(), left,
                         [](const auto &entry, char16_t value) { return entry.left < value; });
    if (found == lefts.end() || found->left != left)
        return 0;
    const auto first = pairs.begin() + found->offset;
    const auto last =
        std::next(found) == lefts.end() ? pairs.end() : pairs.begin() + std::next(found)->offset;
    const auto pair = std::lower_bound(
        first, last, right, [](const auto &entry, char16_t value) { return entry.right < value; });
    return pair != last && pair->right == right ? pair->adjustment : 0;
}

bool holds(const auto &sorted, char32_t c) {
    return c <= 0xFFFF && std::binary_search(sorted.begin(), sorted.end(), char16_t(c));
}

bool opensPhrase(char32_t c) {
    const QChar::Category category = QChar::category(c);
    return category == QChar::Punctuation_Open || category == QChar::Punctuation_InitialQuote;
}

bool closesPhrase(char32_t c) {
    const QChar::Category category = QChar::category(c);
    return category == QChar::Punctuation_Close || category == QChar::Punctuation_FinalQuote ||
           holds(fallbackFonts::closing, c);
}

// Middle dots, the CJK colon and semicolon, and the ideographic space.
bool standsMidway(char32_t c) {
    return c == 0x00B7 || c == 0x3000 || c == 0x30FB || c == 0xFF1A || c == 0xFF1B;
}

// The CJK font's brackets, commas and full stops are an em wide with half of
// it blank, which a browser drops between two of them (CSS text-spacing-trim,
// on by default): from an opening one after an opening one, a middle dot or a
// closing one of that font; from a closing one (or a comma or full stop)
// before a closing one or a middle dot. A neighbour from another font counts
// by its kind: "(" and "“" open, ")" and "”" close.
int trimming(char32_t left, char32_t right) {
    const bool leftCloses = holds(fallbackFonts::closing, left);
    if (holds(fallbackFonts::opening, right) &&
        (leftCloses || opensPhrase(left) || standsMidway(left)))
        return -advance(right) / 2;
    if (leftCloses && (closesPhrase(right) || standsMidway(right)))
        return -advance(left) / 2;
    return 0;
}

// Which characters below U+0100 kern with any after them; most do not.
constexpr auto latin1Kerns = [] {
    std::array<bool, 256> table{};
    for (const auto &entry : liberationSans::kernedLefts)
        if (entry.left < table.size())
            table[entry.left] = true;
    return table;
}();

// How much closer `right` stands to `left` than their advances say.
int adjustment(char32_t left, char32_t right) {
    if (left < latin1Kerns.size() && !latin1Kerns[left] && right < 0x3000)
        return 0;
    if (left > 0xFFFF || right > 0xFFFF)
        return 0;
    if (left < 0x3000 && right < 0x3000)
        return kerning(liberationSans::kernedLefts, liberationSans::pairs, left, right);
    return kerning(fallbackFonts::kernedLefts, fallbackFonts::pairs, left, right) +
           trimming(left, right);
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

// Each character's advance and the kerning of each pair of neighbours, as a
// browser lays out one line: it kerns across blanks too ("A A").
qint64 advanceUnits(QStringView text) {
    qint64 units = 0;
    char32_t previous = 0;
    for (qsizetype at = 0; at < text.size();) {
        const CodePoint c = codePointAt(text, at);
        units += adjustment(previous, c.value) + advance(c.value);
        previous = c.value;
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

int wholePixels(QStringView text, double pixelSize) {
    return int(std::ceil(textWidth(text, pixelSize)));
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
    extent.pixels = wholePixels(text, pixelSize);
    return extent;
}

QString cutToWidth(QStringView text, double maxWidth, double pixelSize) {
    const auto fits = [&](qint64 units) { return toPixels(units, pixelSize) <= maxWidth; };
    if (fits(advanceUnits(text)))
        return text.toString();
    constexpr char16_t ellipsis = u'…';
    qint64 units = 0; // of the text up to `at`
    char32_t previous = 0;
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
        units += adjustment(previous, c.value) + advance(c.value);
        if (!fits(units + adjustment(c.value, ellipsis) + advance(ellipsis)))
            break;
        previous = c.value;
        afterWord = afterWord || !blank;
        fitEnd = at = c.end;
    }
    QStringView kept = text.first(blankCut >= 0 ? blankCut : fitEnd);
    while (!kept.isEmpty() && isBlank(kept.back().unicode()))
        kept.chop(1);
    return kept.toString() + QChar(ellipsis);
}

} // namespace velko
