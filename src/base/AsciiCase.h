#pragma once

// Letter case for HTML markup: only ASCII letters have case here. Unicode case
// rules would let other characters match ("K", the Kelvin sign, folds to "k")
// and change lengths ("ß" upper-cases to "SS"), which breaks offsets.

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

namespace velko {

constexpr char16_t asciiUpper(char16_t c) {
    return c >= u'a' && c <= u'z' ? c - 32 : c;
}

constexpr char16_t asciiLower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? c + 32 : c;
}

// `text` with its ASCII capitals in lower case, every other character as it is.
QString asciiLower(QStringView text);

// True when `text` is `word` (ASCII), or starts with it, ignoring ASCII
// letter case.
bool equalsAsciiCaseless(QStringView text, QLatin1StringView word);
bool startsWithAsciiCaseless(QStringView text, QLatin1StringView word);

// Where `needle` (ASCII) first occurs in `haystack` at or after `from`,
// ignoring ASCII letter case; -1 when it does not.
qsizetype indexOfAsciiCaseless(QStringView haystack, QLatin1StringView needle, qsizetype from = 0);

inline bool containsAsciiCaseless(QStringView haystack, QLatin1StringView needle) {
    return indexOfAsciiCaseless(haystack, needle) >= 0;
}

} // namespace velko
