#pragma once

// Where a page's head is: its head tag and where it ends.

#include "page/PageScanner.h"

namespace velko {

struct PageHead {
    Span tag = {-1, 0}; // the head tag, "<head ...>"; start -1 when the page has none
    // Where the head ends: at "</head" or the first "<body", whichever comes
    // first; the end of the page when it has neither.
    qsizetype end = -1;
    // Where inserted tags go: right after the head tag, or after a charset
    // declaration that is the first thing in the head, so the declaration
    // stays within the first 1,024 bytes, where browsers look for it.
    qsizetype insertAt = -1;

    bool found() const { return tag.start >= 0; }
};

// True when a meta tag declares the charset: <meta charset> or the
// content-type http-equiv.
template <typename View> bool declaresCharset(View page, const PageToken &token) {
    if (token.kind != PageToken::Kind::StartTag ||
        !nameIs(page, token.name, QLatin1StringView("meta")))
        return false;
    if (findAttribute(page, token, QLatin1StringView("charset")))
        return true;
    const Attribute *httpEquiv = findAttribute(page, token, QLatin1StringView("http-equiv"));
    return httpEquiv &&
           nameIs(page, trimmedSpan(page, httpEquiv->value), QLatin1StringView("content-type"));
}

// The head tag is "<head" followed by white space, "/" or ">", in any ASCII
// case and with any attributes, outside comments and scripts.
template <typename View> PageHead findHead(View page) {
    PageHead head;
    head.end = page.size();
    bool firstInHead = false;
    scanPage(page, [&](const PageToken &token) {
        const bool start = token.kind == PageToken::Kind::StartTag;
        if (!head.found()) {
            if (start && token.tag == TagName::Head) {
                head.tag = token.whole;
                head.insertAt = token.whole.end();
                firstInHead = true;
            }
            return true;
        }
        if (firstInHead) {
            firstInHead = false;
            bool onlySpace = true;
            for (qsizetype i = head.tag.end(); i < token.whole.start && onlySpace; ++i)
                onlySpace = isHtmlSpace(unitAt(page, i));
            if (onlySpace && declaresCharset(page, token))
                head.insertAt = token.whole.end();
        }
        const bool endTag = token.kind == PageToken::Kind::EndTag;
        if ((start && token.tag == TagName::Body) || (endTag && token.tag == TagName::Head)) {
            head.end = token.whole.start;
            return false;
        }
        return true;
    });
    return head;
}

} // namespace velko
