#include "page/PageCharset.h"

#include "base/PageView.h"

namespace velko {

// As browsers read a meta tag's content: the first "charset" followed by "="
// (blanks allowed around it), then a quoted value, or one that ends at a
// blank or ";".
QByteArrayView charsetOfContentType(QByteArrayView contentType) {
    const QLatin1StringView charset("charset");
    const qsizetype size = contentType.size();
    for (qsizetype at = 0; at + charset.size() <= size; ++at) {
        if (!wordAt(contentType, at, charset))
            continue;
        qsizetype value = at + charset.size();
        while (value < size && isHtmlSpace(unitAt(contentType, value)))
            ++value;
        if (value == size || contentType[value] != '=')
            continue;
        ++value;
        while (value < size && isHtmlSpace(unitAt(contentType, value)))
            ++value;
        if (value == size)
            return {};
        const char quote = contentType[value];
        if (quote == '"' || quote == '\'') {
            const qsizetype close = contentType.indexOf(quote, value + 1);
            return close < 0 ? QByteArrayView() : contentType.sliced(value + 1, close - value - 1);
        }
        qsizetype end = value;
        while (end < size && !isHtmlSpace(unitAt(contentType, end)) && contentType[end] != ';')
            ++end;
        return contentType.sliced(value, end - value);
    }
    return {};
}

QByteArrayView declaredCharset(QByteArrayView page, const PageToken &token) {
    if (token.kind != PageToken::Kind::StartTag || token.tag != TagName::Meta)
        return {};
    if (const Attribute *named = findAttribute(page, token, QLatin1StringView("charset")))
        return sliceOf(page, named->value).trimmed();
    const Attribute *httpEquiv = findAttribute(page, token, QLatin1StringView("http-equiv"));
    const Attribute *content = findAttribute(page, token, QLatin1StringView("content"));
    if (!httpEquiv || !content ||
        !nameIs(page, trimmedSpan(page, httpEquiv->value), QLatin1StringView("content-type")))
        return {};
    return charsetOfContentType(sliceOf(page, content->value)).trimmed();
}

QByteArrayView declaredCharset(QByteArrayView page) {
    QByteArrayView charset;
    scanPage(page, [&](const PageToken &token) {
        charset = declaredCharset(page, token);
        return charset.isEmpty();
    });
    return charset;
}

} // namespace velko
