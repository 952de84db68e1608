#pragma once

// Text for the report's markup, which is read both as HTML and as XML: page
// titles and paths can hold anything, so everything from a page goes through
// these.

#include <QString>
#include <QStringView>

namespace velko {

// Appends each of `parts` (strings, views, UTF-8 literals) to `out`.
template <typename... Parts> void add(QString &out, const Parts &...parts) {
    (out.append(parts), ...);
}

// `text` for element content or a quoted attribute value: &, <, > and " as
// references, and what XML cannot hold (C0 controls but tab and line breaks,
// lone surrogates, U+FFFE, U+FFFF) as U+FFFD.
void appendEscaped(QString &out, QStringView text);

// `text` as a JSON string that can stand in a script element of either
// reading: <, > and & as \u escapes, so it can neither end the element nor
// hold "]]>"; controls escaped too, and the rest of what XML cannot hold as
// U+FFFD.
void appendJsonString(QString &out, QStringView text);

// `number` in decimal, as QString::number writes it but with no string made.
void appendNumber(QString &out, qsizetype number);

// `number` with commas between thousands: "20,000".
QString grouped(qsizetype number);

// The relative address of a relative path: each name percent-encoded as
// JavaScript's encodeURIComponent does, so "a b#1.html" is a file and
// "javascript:x" no scheme.
QString pathLink(const QString &path);

} // namespace velko
