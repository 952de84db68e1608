// The page scanner's templates; included by PageScanner.h only.

namespace velko {

namespace scanning {

using L = QLatin1StringView;

constexpr bool isAsciiLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// What the scanner needs to know of an element name. Tested by length
// first: most tags of a page (a, p, div, span, li, img) are none of these.
template <typename View> TagName classify(View page, Span name) {
    struct Known {
        QLatin1StringView name;
        TagName tag;
    };
    static constexpr Known kKnown[] = {
        {L("meta"), TagName::Meta},        {L("link"), TagName::Link},
        {L("title"), TagName::Title},      {L("base"), TagName::Base},
        {L("head"), TagName::Head},        {L("body"), TagName::Body},
        {L("html"), TagName::Html},        {L("script"), TagName::RawText},
        {L("style"), TagName::RawText},    {L("textarea"), TagName::RawText},
        {L("xmp"), TagName::RawText},      {L("iframe"), TagName::RawText},
        {L("noembed"), TagName::RawText},  {L("noframes"), TagName::RawText},
        {L("noscript"), TagName::RawText}, {L("template"), TagName::Template},
    };
    if (name.length < 3 || name.length > 8)
        return TagName::Other;
    for (const Known &known : kKnown) {
        if (nameIs(page, name, known.name))
            return known.tag;
    }
    return TagName::Other;
}

// The end of a name that starts at `at`: white space, "/" or ">".
template <typename View> qsizetype nameEnd(View page, qsizetype at) {
    while (at < page.size()) {
        const char16_t c = unitAt(page, at);
        if (isHtmlSpace(c) || c == u'/' || c == u'>')
            break;
        ++at;
    }
    return at;
}

template <typename View> qsizetype skipSpace(View page, qsizetype at) {
    while (at < page.size() && isHtmlSpace(unitAt(page, at)))
        ++at;
    return at;
}

// Reads the attributes from `at` (just past the element name) to the tag's
// ">", as browsers split them: names up to white space, "/", ">" or "=";
// values in double quotes, single quotes or none, blanks allowed around "=".
// Returns the offset just past ">", or -1 when the page ends first.
template <typename View>
qsizetype readAttributes(View page, qsizetype at, std::vector<Attribute> &out) {
    const qsizetype size = page.size();
    for (;;) {
        while (at < size && (isHtmlSpace(unitAt(page, at)) || unitAt(page, at) == u'/'))
            ++at;
        if (at >= size)
            return -1;
        if (unitAt(page, at) == u'>')
            return at + 1;
        Attribute attribute;
        attribute.name.start = at++; // a leading "=" belongs to the name
        while (at < size) {
            const char16_t c = unitAt(page, at);
            if (isHtmlSpace(c) || c == u'/' || c == u'>' || c == u'=')
                break;
            ++at;
        }
        attribute.name.length = at - attribute.name.start;
        at = skipSpace(page, at);
        if (at < size && unitAt(page, at) == u'=') {
            at = skipSpace(page, at + 1);
            if (at >= size)
                return -1;
            const char16_t quote = unitAt(page, at);
            attribute.hasValue = true;
            if (quote == u'"' || quote == u'\'') {
                const qsizetype close = indexOfUnit(page, char(quote), at + 1);
                if (close < 0)
                    return -1;
                attribute.value = {at + 1, close - at - 1};
                at = close + 1;
            } else {
                const qsizetype start = at;
                while (at < size && !isHtmlSpace(unitAt(page, at)) && unitAt(page, at) != u'>')
                    ++at;
                attribute.value = {start, at - start};
            }
        }
        out.push_back(attribute);
    }
}

// Skips a tag whose attributes nobody asks for, from just past its name to
// just past its ">", the same way readAttributes would: a quote right after
// "=" (blanks aside) opens a value that may hold ">". Returns -1 when the page
// ends first.
template <typename View> qsizetype skipTag(View page, qsizetype at) {
    const qsizetype size = page.size();
    char16_t last = 0; // the last character that was no blank
    for (; at < size; ++at) {
        const char16_t c = unitAt(page, at);
        if (c == u'>')
            return at + 1;
        if ((c == u'"' || c == u'\'') && last == u'=') {
            at = indexOfUnit(page, char(c), at + 1);
            if (at < 0)
                return -1;
        }
        if (!isHtmlSpace(c))
            last = c;
    }
    return -1;
}

// Where the end tag of the element `name` next starts, at or after `from`.
template <typename View> qsizetype indexOfEndTag(View page, Span name, qsizetype from) {
    for (qsizetype at = from; (at = indexOfWord(page, L("</"), at)) >= 0; at += 2) {
        const qsizetype end = at + 2 + name.length;
        if (end > page.size())
            return -1;
        bool same = true;
        for (qsizetype i = 0; i < name.length && same; ++i)
            same = asciiUpper(unitAt(page, at + 2 + i)) == asciiUpper(unitAt(page, name.start + i));
        if (same && (end == page.size() || nameEnd(page, end) == end))
            return at;
    }
    return -1;
}

} // namespace scanning

template <typename View> bool nameIs(View page, Span span, QLatin1StringView name) {
    return span.length == name.size() && wordAt(page, span.start, name);
}

template <typename View>
const Attribute *findAttribute(View page, const PageToken &token, QLatin1StringView name) {
    for (const Attribute &attribute : token.attributes) {
        if (nameIs(page, attribute.name, name))
            return &attribute;
    }
    return nullptr;
}

template <typename View, typename Visit> void scanPage(View page, Visit visit) {
    using namespace scanning;
    PageToken token;
    const qsizetype size = page.size();
    // A "<" that opens nothing is text; so is everything outside the tags.
    for (qsizetype at = 0; (at = indexOfUnit(page, '<', at)) >= 0;) {
        if (at + 1 >= size)
            return;
        const char16_t next = unitAt(page, at + 1);
        if (next == u'!' && wordAt(page, at, L("<!--"))) {
            // "<!-->" and "<!--->" are empty comments, as browsers read them.
            qsizetype textStart = at + 4;
            qsizetype close = wordAt(page, textStart, L(">")) ? textStart - 2
                              : wordAt(page, textStart, L("->"))
                                  ? textStart - 1
                                  : indexOfWord(page, L("-->"), textStart);
            if (close < 0)
                return;
            textStart = std::min(textStart, close);
            token.kind = PageToken::Kind::Comment;
            token.whole = {at, close + 3 - at};
            token.name = {};
            token.tag = TagName::Other;
            token.text = {textStart, close - textStart};
            token.attributes.clear();
            if (!visit(std::as_const(token)))
                return;
            at = close + 3;
            continue;
        }
        const bool endTag = next == u'/';
        const qsizetype nameStart = at + (endTag ? 2 : 1);
        if (nameStart >= size || !isAsciiLetter(unitAt(page, nameStart))) {
            if (next == u'!' || next == u'?' || endTag) {
                // A doctype, "<![endif]>", "<?xml ...?>" or "</ >": up to ">".
                const qsizetype close = indexOfUnit(page, '>', at);
                if (close < 0)
                    return;
                at = close + 1;
            } else {
                ++at;
            }
            continue;
        }
        token.name = {nameStart, nameEnd(page, nameStart) - nameStart};
        token.tag = classify(page, token.name);
        token.attributes.clear();
        // Attributes are read for the elements a head is made of; every
        // other tag is only skipped, which is most of a page's markup.
        const bool keep = !endTag && token.tag != TagName::Other && token.tag != TagName::RawText;
        const qsizetype end = keep ? readAttributes(page, token.name.end(), token.attributes)
                                   : skipTag(page, token.name.end());
        if (end < 0)
            return;
        token.kind = endTag ? PageToken::Kind::EndTag : PageToken::Kind::StartTag;
        token.whole = {at, end - at};
        token.text = {};
        at = end;
        if (!endTag && token.tag == TagName::Title) {
            const qsizetype close = indexOfEndTag(page, token.name, end);
            const qsizetype closeEnd = close < 0 ? -1 : indexOfUnit(page, '>', close);
            if (closeEnd < 0)
                return;
            token.text = {end, close - end};
            token.whole.length = closeEnd + 1 - token.whole.start;
            at = closeEnd + 1;
        } else if (!endTag && token.tag == TagName::RawText) {
            at = indexOfEndTag(page, token.name, end);
            if (at < 0)
                return;
            token.text = {end, at - end};
        }
        if (token.tag != TagName::Other && !visit(std::as_const(token)))
            return;
    }
}

} // namespace velko
