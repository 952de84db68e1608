#include "base/AsciiCase.h"

namespace velko {

namespace {

bool matchesAt(QStringView haystack, qsizetype at, QLatin1StringView needle) {
    for (qsizetype i = 0; i < needle.size(); ++i)
        if (asciiUpper(haystack[at + i].unicode()) != asciiUpper(char16_t(needle[i].unicode())))
            return false;
    return true;
}

} // namespace

qsizetype indexOfAsciiCaseless(QStringView haystack, QLatin1StringView needle, qsizetype from) {
    if (needle.isEmpty())
        return from <= haystack.size() ? from : -1;
    const char16_t first = char16_t(needle[0].unicode());
    // Markup needles start with "<": jump between candidates with the fast
    // single-character search; a needle starting with a letter is scanned.
    const bool caseless = asciiUpper(first) != first || (first >= u'A' && first <= u'Z');
    const qsizetype last = haystack.size() - needle.size();
    for (qsizetype at = std::max<qsizetype>(from, 0); at <= last; ++at) {
        if (!caseless) {
            at = haystack.indexOf(QChar(first), at);
            if (at < 0 || at > last)
                return -1;
        }
        if (matchesAt(haystack, at, needle))
            return at;
    }
    return -1;
}

} // namespace velko
