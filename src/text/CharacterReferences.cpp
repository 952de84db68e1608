#include "text/CharacterReferences.h"

#include "text/NamedCharacterReferences.h"

#include <algorithm>
#include <string_view>

namespace velko {

namespace {

using namedReferences::NamedReference;

constexpr bool isAsciiAlphanumeric(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

constexpr int digitValue(char16_t c, int base) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (base == 16 && c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (base == 16 && c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// What numeric references from 0x80 to 0x9F stand for: the characters of
// those bytes in Windows-1252, where it has one.
constexpr char16_t kC1Characters[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Zero, surrogates and numbers past Unicode stand for U+FFFD.
constexpr char32_t numericCharacter(char32_t number) {
    if (number >= 0x80 && number <= 0x9F)
        return kC1Characters[number - 0x80];
    if (number == 0 || number > 0x10FFFF || (number >= 0xD800 && number <= 0xDFFF))
        return 0xFFFD;
    return number;
}

std::string_view nameOf(const NamedReference &reference) {
    return {namedReferences::names + reference.nameAt, reference.nameLength};
}

const NamedReference *findName(std::string_view name) {
    const auto &all = namedReferences::references;
    const auto found =
        std::lower_bound(all.begin(), all.end(), name,
                         [](const NamedReference &entry, auto key) { return nameOf(entry) < key; });
    return found != all.end() && nameOf(*found) == name ? &*found : nullptr;
}

struct Reference {
    char32_t codePoints[2] = {};
    qsizetype length = 0; // 0 when the "&" at the start stands for itself
};

// "&#NNN;" or "&#xHHH;", the ";" optional.
Reference numericReference(QStringView text) {
    qsizetype end = 2;
    int base = 10;
    if (end < text.size() && (text[end] == u'x' || text[end] == u'X')) {
        base = 16;
        ++end;
    }
    const qsizetype digitsStart = end;
    char32_t number = 0;
    for (int digit; end < text.size() && (digit = digitValue(text[end].unicode(), base)) >= 0;
         ++end)
        number = std::min<char32_t>(number * base + digit, 0x110000);
    if (end == digitsStart)
        return {};
    if (end < text.size() && text[end] == u';')
        ++end;
    return {{numericCharacter(number)}, end};
}

// The longest name of the table that `text` continues with after its "&":
// the whole run of letters and digits with its ";", or the longest start of
// the run that is a name also matched without ";".
Reference namedReference(QStringView text, ReferencePlace place) {
    // The run as far as a name can go; a longer one matches no name with ";".
    char name[namedReferences::longestName + 1];
    qsizetype length = 0;
    while (length < qsizetype(std::size(name)) && 1 + length < text.size() &&
           isAsciiAlphanumeric(text[1 + length].unicode())) {
        name[length] = char(text[1 + length].unicode());
        ++length;
    }
    const auto referenceOf = [](const NamedReference &found, qsizetype end) {
        return Reference{{found.first, namedReferences::secondCodePoints[found.second]}, end};
    };
    if (length <= namedReferences::longestName && 1 + length < text.size() &&
        text[1 + length] == u';') {
        if (const NamedReference *found = findName({name, size_t(length)}))
            return referenceOf(*found, 1 + length + 1);
    }
    for (length = std::min<qsizetype>(length, namedReferences::longestNameWithoutSemicolon);
         length > 0; --length) {
        const NamedReference *found = findName({name, size_t(length)});
        if (!found || !found->withoutSemicolon)
            continue;
        // In an attribute value, "&amp=" and "&ampx" are no references.
        const qsizetype end = 1 + length;
        if (place == ReferencePlace::AttributeValue && end < text.size() &&
            (text[end] == u'=' || isAsciiAlphanumeric(text[end].unicode())))
            return {};
        return referenceOf(*found, end);
    }
    return {};
}

// The reference `text` starts with, at its "&".
Reference referenceAt(QStringView text, ReferencePlace place) {
    if (text.size() > 1 && text[1] == u'#')
        return numericReference(text);
    return namedReference(text, place);
}

} // namespace

QString decodeCharacterReferences(QStringView text, ReferencePlace place) {
    QString out;
    out.reserve(text.size());
    qsizetype from = 0;
    for (qsizetype at; (at = text.indexOf(u'&', from)) >= 0;) {
        const Reference reference = referenceAt(text.sliced(at), place);
        if (reference.length == 0) {
            out.append(text.sliced(from, at + 1 - from));
            from = at + 1;
            continue;
        }
        out.append(text.sliced(from, at - from));
        out.append(QString::fromUcs4(reference.codePoints, reference.codePoints[1] ? 2 : 1));
        from = at + reference.length;
    }
    out.append(text.sliced(from));
    return out;
}

} // namespace velko
