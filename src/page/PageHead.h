#pragma once

// Where a page's head is, and the walk over its tags that the reader, the
// updater and the checker share: what browsers take for the page's head
// tags, without the contents of template elements (and of noscript, which
// the scanner reads as raw text).

#include "page/PageCharset.h"
#include "page/PageScanner.h"

namespace velko {

struct PageHead {
    Span tag = {-1, 0}; // the head tag, "<head ...>"; start -1 when the page has none
    // Where the head ends: at "</head" or the first "<body", whichever comes
    // first; the end of the page when it has neither.
    qsizetype end = -1;
    // The head's first charset declaration; start -1 when it has none.
    Span charset = {-1, 0};
    // Where added tags go: right after that declaration, wherever in the head
    // it stands, so that no tag pushes it past the first 1,024 bytes, where
    // browsers look for it; else right after the head tag.
    qsizetype insertAt = -1;

    bool found() const { return tag.start >= 0; }
};

// True when a meta tag declares a charset: <meta charset> with a name, or the
// content-type http-equiv whose content names one, as browsers find it.
template <typename View> bool declaresCharset(View page, const PageToken &token) {
    return declaredCharsetSpan(page, token).start >= 0;
}

// scanPage without what lies inside template elements, nor their own tags:
// a template's contents are inert, no part of the page until a script uses
// them.
template <typename View, typename Visit> void scanOutsideTemplates(View page, Visit visit) {
    int depth = 0;
    scanPage(page, [&](const PageToken &token) {
        if (token.tag == TagName::Template && token.kind != PageToken::Kind::Comment) {
            if (token.kind == PageToken::Kind::StartTag)
                ++depth;
            else if (depth > 0)
                --depth;
            return true;
        }
        return depth > 0 || visit(token);
    });
}

// The head tag is "<head" followed by white space, "/" or ">", in any ASCII
// case and with any attributes, outside comments, scripts and templates.
template <typename View> PageHead findHead(View page) {
    PageHead head;
    head.end = page.size();
    scanOutsideTemplates(page, [&](const PageToken &token) {
        const bool start = token.kind == PageToken::Kind::StartTag;
        if (!head.found()) {
            if (start && token.tag == TagName::Head) {
                head.tag = token.whole;
                head.insertAt = token.whole.end();
            }
            return true;
        }
        const bool endTag = token.kind == PageToken::Kind::EndTag;
        if ((start && token.tag == TagName::Body) || (endTag && token.tag == TagName::Head)) {
            head.end = token.whole.start;
            return false;
        }
        if (head.charset.start < 0 && declaresCharset(page, token)) {
            head.charset = token.whole;
            head.insertAt = token.whole.end();
        }
        return true;
    });
    return head;
}

// Calls `visit(const PageToken &)` for each tag and comment of the head
// after its head tag, in page order, as scanOutsideTemplates reports them;
// `visit` returns false to stop.
template <typename View, typename Visit>
void walkHead(View page, const PageHead &head, Visit visit) {
    if (!head.found())
        return;
    const qsizetype from = head.tag.end();
    scanOutsideTemplates(page.first(head.end), [&](const PageToken &token) {
        return token.whole.start < from || visit(token);
    });
}

} // namespace velko
