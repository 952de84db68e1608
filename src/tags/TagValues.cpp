#include "tags/TagValues.h"

#include "base/AsciiCase.h"
#include "page/PageCharset.h"
#include "text/Encoding.h"

namespace velko {

namespace {

QStringView trimBlanks(QStringView text) {
    while (text.startsWith(u' '))
        text = text.sliced(1);
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

// Each line break one blank, in one pass in place, where QString::replace
// would move the rest of a long value again and again.
void joinLines(QString &value) {
    QChar *const begin = value.data();
    const QChar *const end = begin + value.size();
    QChar *out = begin;
    for (const QChar *in = begin; in != end; ++in) {
        if (*in == u'\r' && in + 1 != end && in[1] == u'\n')
            continue; // the LF writes the blank
        *out++ = *in == u'\r' || *in == u'\n' ? QChar(u' ') : *in;
    }
    value.truncate(out - begin);
}

// Built piece by piece for the same reason as joinLines.
QString unescapedQuotes(QStringView text) {
    static constexpr QStringView escaped = u"&quot;";
    QString out;
    out.reserve(text.size());
    qsizetype from = 0;
    for (qsizetype at; (at = text.indexOf(escaped, from)) >= 0; from = at + escaped.size()) {
        out.append(text.sliced(from, at - from));
        out.append(u'"');
    }
    out.append(text.sliced(from));
    return out;
}

// A byte the page's encoding could not read is a lone surrogate in the
// page's text (Encoding.h) and a replacement character once written out.
bool sameText(QStringView page, QStringView form) {
    if (page.size() != form.size())
        return false;
    for (qsizetype i = 0; i < page.size(); ++i) {
        const char16_t p = page[i].unicode();
        const char16_t f = form[i].unicode();
        if (p != f && !(f == 0xFFFD && p >= 0xDC80 && p <= 0xDCFF))
            return false;
    }
    return true;
}

bool sameCaseless(QStringView a, QStringView b) {
    return a.size() == b.size() && asciiLower(a) == asciiLower(b);
}

} // namespace

QString valueAsRead(QString value, bool attribute) {
    joinLines(value);
    const QStringView text = trimBlanks(value);
    return attribute ? unescapedQuotes(text) : text.toString();
}

RefreshParts refreshParts(QStringView content) {
    const qsizetype semicolon = content.indexOf(u';');
    if (semicolon < 0)
        return {};
    QStringView url = content.sliced(semicolon + 1);
    while (url.startsWith(u' '))
        url = url.sliced(1);
    const QLatin1StringView urlIs("URL=");
    if (startsWithAsciiCaseless(url, urlIs))
        url = url.sliced(urlIs.size());
    return {content.first(semicolon).toString(), url.toString()};
}

ListValue listValueNamed(List list, QString value) {
    const auto items = listEntry(list).items;
    for (int i = 0; i < int(items.size()); ++i) {
        if (equalsAsciiCaseless(value, QLatin1StringView(items[i])))
            return {i, QString::fromLatin1(items[i])};
    }
    return {-1, std::move(value)};
}

QStringView charsetNamedIn(QStringView contentType) {
    const Span name = charsetSpanIn(contentType, {0, contentType.size()});
    return name.start < 0 ? QStringView() : sliceOf(contentType, name).trimmed();
}

bool sameCharset(QStringView a, QStringView b) {
    if (a.isEmpty() || b.isEmpty())
        return a.isEmpty() && b.isEmpty();
    if (sameCaseless(a, b))
        return true;
    const std::optional<Encoding> first = Encoding::fromLabel(a.toLatin1());
    const std::optional<Encoding> second = Encoding::fromLabel(b.toLatin1());
    return first && second && *first == *second;
}

bool holdsValue(const TagRow &row, QStringView page, QStringView form) {
    switch (row.source) {
    case Source::Refresh:
        return refreshParts(page) == refreshParts(form);
    case Source::Choice:
    case Source::NoCache:
        return sameCaseless(page.trimmed(), form.trimmed()) ||
               sameText(page.trimmed(), form.trimmed());
    default:
        return sameText(page, form);
    }
}

} // namespace velko
