#pragma once

// The charset a page names for itself, found the way browsers look for it
// before they read the page.

#include "page/PageScanner.h"

#include <QByteArrayView>

namespace velko {

// Where the charset a content type names is in it, as browsers read a meta
// tag's content: after the first "charset" followed by "=" (blanks allowed
// around it), a quoted value, or one that ends at a blank or ";". Start -1
// when it names none ("text/html").
template <typename View> Span charsetSpanIn(View contentType, Span within);

// The charset a content type names: "text/html; charset=windows-1250" names
// windows-1250. Empty when it names none.
QByteArrayView charsetOfContentType(QByteArrayView contentType);

// Where the charset a meta tag declares is in the page, trimmed: the value of
// <meta charset>, or the charset in the content of a content-type
// http-equiv. Start -1 when the tag declares none.
template <typename View> Span declaredCharsetSpan(View page, const PageToken &token);

// The charset a meta tag declares, as written but trimmed. Empty when the
// tag declares none.
QByteArrayView declaredCharset(QByteArrayView page, const PageToken &token);

// The charset the first meta tag of `page` that declares one names. Empty
// when none does.
QByteArrayView declaredCharset(QByteArrayView page);

template <typename View> Span charsetSpanIn(View page, Span within) {
    const QLatin1StringView charset("charset");
    const qsizetype end = within.end();
    const auto skipBlanks = [&](qsizetype at) {
        while (at < end && isHtmlSpace(unitAt(page, at)))
            ++at;
        return at;
    };
    for (qsizetype at = within.start; at + charset.size() <= end; ++at) {
        if (!wordAt(page, at, charset))
            continue;
        qsizetype value = skipBlanks(at + charset.size());
        if (value == end || unitAt(page, value) != u'=')
            continue;
        value = skipBlanks(value + 1);
        if (value == end)
            return {-1, 0};
        const char16_t quote = unitAt(page, value);
        if (quote == u'"' || quote == u'\'') {
            qsizetype close = value + 1;
            while (close < end && unitAt(page, close) != quote)
                ++close;
            return close == end ? Span{-1, 0} : Span{value + 1, close - value - 1};
        }
        qsizetype stop = value;
        while (stop < end && !isHtmlSpace(unitAt(page, stop)) && unitAt(page, stop) != u';')
            ++stop;
        return {value, stop - value};
    }
    return {-1, 0};
}

template <typename View> Span declaredCharsetSpan(View page, const PageToken &token) {
    if (token.kind != PageToken::Kind::StartTag || token.tag != TagName::Meta)
        return {-1, 0};
    if (const Attribute *named = findAttribute(page, token, QLatin1StringView("charset")))
        return named->hasValue ? trimmedSpan(page, named->value) : Span{-1, 0};
    const Attribute *httpEquiv = findAttribute(page, token, QLatin1StringView("http-equiv"));
    const Attribute *content = findAttribute(page, token, QLatin1StringView("content"));
    if (!httpEquiv || !content ||
        !nameIs(page, trimmedSpan(page, httpEquiv->value), QLatin1StringView("content-type")))
        return {-1, 0};
    const Span name = charsetSpanIn(page, content->value);
    return name.start < 0 ? name : trimmedSpan(page, name);
}

} // namespace velko
