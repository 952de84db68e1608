#pragma once

// How wide a text is where a search engine shows it: result titles in Arial at
// 20 px, descriptions at 14 px, laid out as a browser lays them out. Measured
// with the advances and kerning pairs of Liberation Sans, which has Arial's
// metrics, and for the characters it lacks the advances of the fonts browsers
// fall back to (DejaVu Sans, Noto Sans CJK), from tables built into the
// program, so no font and no display are needed.

#include <QString>
#include <QStringView>

namespace velko {

inline constexpr double titlePixelSize = 20;
inline constexpr double descriptionPixelSize = 14;

// The advance width of `text` in pixels at `pixelSize`.
double textWidth(QStringView text, double pixelSize);

// The width in whole pixels, as the previews' counters, --check and the report
// give it: rounded up, so a text a fraction of a pixel over a limit reads as
// over it, as it is cut there.
int wholePixels(QStringView text, double pixelSize);

// What a preview's counter shows: the characters as a reader counts them (a
// character outside the BMP is one, a combining mark none) and wholePixels.
struct TextExtent {
    qsizetype characters = 0;
    int pixels = 0;
};
TextExtent textExtent(QStringView text, double pixelSize);

// `text` as a search engine shows it in `maxWidth` pixels: unchanged when it
// fits; otherwise cut so that the kept part plus "…" fits, at the last blank
// that fits when the part before it has more than blanks, else after the last
// character that fits. Trailing blanks are dropped before "…" is added. When
// not even one character fits, just "…".
QString cutToWidth(QStringView text, double maxWidth, double pixelSize);

} // namespace velko
