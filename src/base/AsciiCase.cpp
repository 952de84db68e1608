#include "base/AsciiCase.h"

#include "base/PageView.h"

namespace velko {

QString asciiLower(QStringView text) {
    QString lower = text.toString();
    for (QChar &c : lower)
        c = QChar(asciiLower(c.unicode()));
    return lower;
}

bool equalsAsciiCaseless(QStringView text, QLatin1StringView word) {
    return text.size() == word.size() && wordAt(text, 0, word);
}

bool startsWithAsciiCaseless(QStringView text, QLatin1StringView word) {
    return wordAt(text, 0, word);
}

qsizetype indexOfAsciiCaseless(QStringView haystack, QLatin1StringView needle, qsizetype from) {
    if (needle.isEmpty())
        return from <= haystack.size() ? from : -1;
    const char16_t first = char16_t(needle[0].unicode());
    // Markup needles start with "<": jump between candidates with the fast
    // single-character search; a needle starting with a letter is scanned.
    const bool caseless = asciiUpper(first) != first || asciiLower(first) != first;
    const qsizetype last = haystack.size() - needle.size();
    for (qsizetype at = std::max<qsizetype>(from, 0); at <= last; ++at) {
        if (!caseless) {
            at = haystack.indexOf(QChar(first), at);
            if (at < 0 || at > last)
                return -1;
        }
        if (wordAt(haystack, at, needle))
            return at;
    }
    return -1;
}

} // namespace velko
