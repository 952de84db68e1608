#pragma once

// Where browsers end a page's head before its "</head>" or "<body>": at the
// first element that cannot stand in a head (a div, an img, an iframe, a br)
// or text other than white space, such as a server's warning printed before
// the doctype. Everything after it lands in the body, head tags included.

#include "base/PageView.h"
#include "page/PageHead.h"

namespace velko {

struct HeadBreak {
    qsizetype at = -1; // where the head ends early; -1 when it does not
    Span name = {};    // the element's name as written; empty for text
    bool endTag = false;

    bool found() const { return at >= 0; }
};

// The first thing before `headEnd` that ends the head, as the HTML parser's
// "in head" rules read a page from its start: white space, comments, the
// doctype and the head's own elements (base, link, meta, title, script,
// style, noscript, noframes, template and its inert contents) keep it open.
HeadBreak findHeadBreak(QByteArrayView page, qsizetype headEnd);

// Where the page's head ends as written: at "</head>" or "<body>"; for a
// page that leaves its head tag out, at the body tag or "</head>", else at
// the page's end.
qsizetype writtenHeadEnd(QByteArrayView page, const PageHead &head);

} // namespace velko
