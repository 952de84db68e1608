#pragma once

// The page scanner: one pass over a page's markup, the way browsers split it
// into tags, comments and text, without building a tree. It reports the start
// and end tags, the comments, and the whole of each title element; the
// contents of script, style and other raw-text elements are skipped, so markup
// quoted inside a script is never taken for the page's own. Noscript is one of
// them, as browsers that run scripts read it, and as search engines do.
//
// It works on UTF-16 text and on encoded bytes alike: markup is ASCII, and in
// the encodings Velko reads pages in (UTF-8, the single-byte charsets, the
// East Asian double-byte ones) the bytes of "<", ">", quotes, "=", "/" and
// white space always stand for themselves.

#include "base/PageView.h"

#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

namespace velko {

struct Attribute {
    Span name;
    Span value; // without its quotes; empty when the attribute has no value
    bool hasValue = false;
};

// The elements that matter to a page's head, and the raw-text elements whose
// contents the scanner skips (script, style, textarea, noscript, ...). A
// template's contents are markup, but not the page's: scanOutsideTemplates
// (PageHead.h) leaves them out.
enum class TagName { Other, Meta, Link, Title, Base, Head, Body, Html, Template, RawText };

struct PageToken {
    enum class Kind {
        StartTag, // "<name attributes>"; a title element comes whole
        EndTag,   // "</name>"
        Comment,  // "<!--text-->"
    };
    Kind kind = Kind::StartTag;
    Span whole; // from "<" to just after ">" (for a title, to after "</title>")
    Span name;  // the element name as written; empty for a comment
    TagName tag = TagName::Other;
    Span text; // a comment's text, a title's, or a raw-text element's (a script's)
    // A start tag's attributes, for the elements named in TagName but raw
    // text; other tags are only skipped.
    std::vector<Attribute> attributes;
};

// Calls `visit(const PageToken &)` for each comment and each tag of an
// element named in TagName, in page order; `visit` returns false to stop. A comment, title or
// raw-text element left open at the end of the page ends the scan.
template <typename View, typename Visit> void scanPage(View page, Visit visit);

// True when the element name of `span` is `name` (lower case), in any ASCII
// case.
template <typename View> bool nameIs(View page, Span span, QLatin1StringView name);

// The attribute of `token` named `name` (lower case), or nullptr; the first
// one wins, as in browsers.
template <typename View>
const Attribute *findAttribute(View page, const PageToken &token, QLatin1StringView name);

} // namespace velko

#include "page/PageScanner.inl"
