#pragma once

// A page as UTF-16 text or as encoded bytes, read one code unit at a time.
// Markup is ASCII, and an ASCII byte of the page always stands for itself, so
// the scanner and its users work on either without decoding the page.

#include "base/AsciiCase.h"

#include <QByteArrayView>
#include <QLatin1StringView>
#include <QStringView>
#include <cstring>

namespace velko {

// A stretch of the page: offset and length in its code units.
struct Span {
    qsizetype start = 0;
    qsizetype length = 0;

    qsizetype end() const { return start + length; }
    bool operator==(const Span &) const = default;
};

inline char16_t unitAt(QStringView text, qsizetype at) {
    return text[at].unicode();
}
inline char16_t unitAt(QByteArrayView bytes, qsizetype at) {
    return static_cast<unsigned char>(bytes[at]);
}

// Where `unit` (ASCII) next occurs at or after `from`, or -1. On bytes this
// is memchr itself: the scanner calls it for every "<" of the page.
inline qsizetype indexOfUnit(QStringView text, char unit, qsizetype from) {
    return text.indexOf(QLatin1Char(unit), from);
}
inline qsizetype indexOfUnit(QByteArrayView bytes, char unit, qsizetype from) {
    if (from >= bytes.size())
        return -1;
    const void *found = std::memchr(bytes.data() + from, unit, size_t(bytes.size() - from));
    return found ? static_cast<const char *>(found) - bytes.data() : -1;
}

inline QStringView sliceOf(QStringView text, Span span) {
    return text.sliced(span.start, span.length);
}
inline QByteArrayView sliceOf(QByteArrayView bytes, Span span) {
    return bytes.sliced(span.start, span.length);
}

// True when the page holds `word` (ASCII) at `at`, in any ASCII letter case.
template <typename View> bool wordAt(View page, qsizetype at, QLatin1StringView word) {
    if (at < 0 || page.size() - at < word.size())
        return false;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (asciiUpper(unitAt(page, at + i)) != asciiUpper(char16_t(word[i].unicode())))
            return false;
    }
    return true;
}

// Where `word` (ASCII) next occurs at or after `from`, in any ASCII letter
// case, or -1. The word must start with a character that has no case.
template <typename View> qsizetype indexOfWord(View page, QLatin1StringView word, qsizetype from) {
    for (qsizetype at = from; (at = indexOfUnit(page, word[0].toLatin1(), at)) >= 0; ++at) {
        if (wordAt(page, at, word))
            return at;
    }
    return -1;
}

constexpr bool isHtmlSpace(char16_t c) {
    return c <= u' ' && (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f');
}

// `span` without the white space at its ends.
template <typename View> Span trimmedSpan(View page, Span span) {
    while (span.length > 0 && isHtmlSpace(unitAt(page, span.start))) {
        ++span.start;
        --span.length;
    }
    while (span.length > 0 && isHtmlSpace(unitAt(page, span.end() - 1)))
        --span.length;
    return span;
}

} // namespace velko
