#include "report/ReportMarkup.h"

#include <QStringList>
#include <QUrl>
#include <algorithm>
#include <iterator>

namespace velko {

namespace {

// Appends the character at `i`, or U+FFFD where XML cannot hold it (C0
// controls but tab and line breaks, lone surrogates, U+FFFE, U+FFFF); moves
// `i` past a surrogate pair.
void appendXmlChar(QString &out, QStringView text, qsizetype &i) {
    const char16_t c = text[i].unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        out.append(text.mid(i++, 2));
        return;
    }
    const bool held = c >= 0x20 ? !QChar::isSurrogate(c) && c != 0xfffe && c != 0xffff
                                : c == '\t' || c == '\n' || c == '\r';
    out.append(held ? QChar(c) : QChar(QChar::ReplacementCharacter));
}

} // namespace

void appendEscaped(QString &out, QStringView text) {
    qsizetype plain = 0; // where the characters not yet appended start
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x20 && c < 0xd800 && c != '&' && c != '<' && c != '>' && c != '"')
            continue;
        out.append(text.mid(plain, i - plain));
        switch (c) {
        case '&':
            out.append(u"&amp;");
            break;
        case '<':
            out.append(u"&lt;");
            break;
        case '>':
            out.append(u"&gt;");
            break;
        case '"':
            out.append(u"&quot;");
            break;
        default:
            appendXmlChar(out, text, i);
        }
        plain = i + 1;
    }
    out.append(text.mid(plain));
}

void appendJsonString(QString &out, QStringView text) {
    out.append(u'"');
    qsizetype plain = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x20 && c < 0xd800 && c != '<' && c != '>' && c != '&' && c != '"' && c != '\\')
            continue;
        out.append(text.mid(plain, i - plain));
        if (c < 0x20 || c == '<' || c == '>' || c == '&') {
            out.append(u"\\u00");
            out.append(QChar(u"0123456789abcdef"[c >> 4]));
            out.append(QChar(u"0123456789abcdef"[c & 15]));
        } else {
            if (c == '"' || c == '\\')
                out.append(u'\\');
            appendXmlChar(out, text, i);
        }
        plain = i + 1;
    }
    out.append(text.mid(plain));
    out.append(u'"');
}

void appendNumber(QString &out, qsizetype number) {
    char16_t digits[24];
    char16_t *start = std::end(digits);
    for (quint64 rest = number < 0 ? 0 - quint64(number) : quint64(number);
         rest || start == std::end(digits); rest /= 10)
        *--start = char16_t(u'0' + rest % 10);
    if (number < 0)
        *--start = u'-';
    out.append(QStringView(start, std::end(digits)));
}

QString grouped(qsizetype number) {
    QString digits = QString::number(number);
    for (qsizetype at = digits.size() - 3; at > (number < 0); at -= 3)
        digits.insert(at, u',');
    return digits;
}

QString pathLink(const QString &path) {
    const auto plain = [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
               QStringView(u"/-._~!'()*").contains(c);
    };
    if (std::all_of(path.begin(), path.end(), plain))
        return path;
    QStringList names;
    for (const QStringView name : path.split(u'/'))
        names << QString::fromLatin1(QUrl::toPercentEncoding(name.toString(), "!'()*"));
    return names.join(u'/');
}

} // namespace velko
