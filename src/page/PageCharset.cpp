#include "page/PageCharset.h"

#include "base/PageView.h"

namespace velko {

QByteArrayView charsetOfContentType(QByteArrayView contentType) {
    const Span name = charsetSpanIn(contentType, {0, contentType.size()});
    return name.start < 0 ? QByteArrayView() : sliceOf(contentType, name);
}

QByteArrayView declaredCharset(QByteArrayView page, const PageToken &token) {
    const Span name = declaredCharsetSpan(page, token);
    return name.start < 0 ? QByteArrayView() : sliceOf(page, name);
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
