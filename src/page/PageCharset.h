#pragma once

// The charset a page names for itself, found the way browsers look for it
// before they read the page.

#include "page/PageScanner.h"

#include <QByteArrayView>

namespace velko {

// The charset a content type names: "text/html; charset=windows-1250" names
// windows-1250. Empty when it names none.
QByteArrayView charsetOfContentType(QByteArrayView contentType);

// The charset a meta tag declares, as written but trimmed: the value of
// <meta charset>, or the charset in the content of a content-type
// http-equiv. Empty when the tag declares none.
QByteArrayView declaredCharset(QByteArrayView page, const PageToken &token);

// The charset the first meta tag of `page` that declares one names. Empty
// when none does.
QByteArrayView declaredCharset(QByteArrayView page);

} // namespace velko
