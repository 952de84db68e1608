#include "page/HeadBreak.h"

#include "base/ByteOrderMarks.h"
#include "page/PageScanner.h"

#include <span>

namespace velko {

namespace {

using L = QLatin1StringView;
using namespace scanning;

// The elements a head may hold. The raw-text ones are read to their end tag
// (noscript as browsers that run scripts read it); a title's text as well.
constexpr L kHeadElements[] = {
    L("html"),  L("head"),   L("base"),  L("basefont"), L("bgsound"),  L("link"),    L("meta"),
    L("title"), L("script"), L("style"), L("noscript"), L("noframes"), L("template")};
constexpr L kReadToEnd[] = {L("title"), L("script"), L("style"), L("noscript"), L("noframes")};

bool isOneOf(QByteArrayView page, Span name, std::span<const L> names) {
    for (const L candidate : names)
        if (nameIs(page, name, candidate))
            return true;
    return false;
}

// End tags the head does not ignore: "</head>" closes it as meant; these
// close it as anything else does.
bool endsHead(QByteArrayView page, Span name) {
    return nameIs(page, name, L("body")) || nameIs(page, name, L("html")) ||
           nameIs(page, name, L("br"));
}

// Where the first character of `from` to `to` that is not white space is.
qsizetype firstText(QByteArrayView page, qsizetype from, qsizetype to) {
    for (qsizetype at = from; at < to; ++at)
        if (!isHtmlSpace(unitAt(page, at)))
            return at;
    return -1;
}

} // namespace

qsizetype writtenHeadEnd(QByteArrayView page, const PageHead &head) {
    if (head.found())
        return head.end;
    qsizetype end = page.size();
    scanPage(page, [&](const PageToken &token) {
        const bool start = token.kind == PageToken::Kind::StartTag;
        if ((start && token.tag == TagName::Body) || (!start && token.tag == TagName::Head)) {
            end = token.whole.start;
            return false;
        }
        return true;
    });
    return end;
}

HeadBreak findHeadBreak(QByteArrayView page, qsizetype headEnd) {
    HeadBreak found;
    int templates = 0; // inside a template everything is inert
    qsizetype at = page.startsWith(kUtf8Mark) ? kUtf8Mark.size() : 0;
    while (at < headEnd) {
        const qsizetype open = indexOfUnit(page, '<', at);
        const qsizetype textEnd = open < 0 || open > headEnd ? headEnd : open;
        if (const qsizetype text = templates ? -1 : firstText(page, at, textEnd); text >= 0) {
            found.at = text;
            return found;
        }
        if (textEnd == headEnd)
            break;
        const char16_t next = open + 1 < page.size() ? unitAt(page, open + 1) : 0;
        if (wordAt(page, open, L("<!--"))) {
            const qsizetype close = wordAt(page, open + 4, L(">")) ? open + 2
                                    : wordAt(page, open + 4, L("->"))
                                        ? open + 3
                                        : indexOfWord(page, L("-->"), open + 4);
            if (close < 0)
                break;
            at = close + 3;
            continue;
        }
        const bool endTag = next == u'/';
        const qsizetype nameStart = open + (endTag ? 2 : 1);
        if (nameStart >= page.size() || !isAsciiLetter(unitAt(page, nameStart))) {
            if (next == u'!' || next == u'?' || endTag) { // a doctype or a bogus comment
                const qsizetype close = indexOfUnit(page, '>', open);
                if (close < 0)
                    break;
                at = close + 1;
                continue;
            }
            if (!templates) { // a "<" that opens nothing is text
                found.at = open;
                return found;
            }
            at = open + 1;
            continue;
        }
        const Span name{nameStart, nameEnd(page, nameStart) - nameStart};
        const qsizetype end = skipTag(page, name.end());
        if (end < 0)
            break;
        const bool isTemplate = nameIs(page, name, L("template"));
        if (isTemplate)
            templates = endTag ? std::max(0, templates - 1) : templates + 1;
        else if (!templates &&
                 (endTag ? endsHead(page, name) : !isOneOf(page, name, kHeadElements)))
            return {open, name, endTag};
        at = end;
        if (!endTag && isOneOf(page, name, kReadToEnd)) {
            const qsizetype close = indexOfEndTag(page, name, end);
            if (close < 0)
                break;
            at = close;
        }
    }
    return found;
}

} // namespace velko
