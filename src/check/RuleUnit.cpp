#include "check/RuleUnit.h"

#include "check/PageEncoding.h"
#include "tags/TagMatch.h"
#include "text/DisplayText.h"

namespace velko {

QString CheckedPage::text(Span span, ReferencePlace place) {
    return displayText(m_decoder.decode(sliceOf(m_bytes, span)), place);
}

QString CheckedPage::decoded(Span span) {
    return m_decoder.decode(sliceOf(m_bytes, span));
}

QString shown(QStringView value) {
    constexpr qsizetype kLength = 60;
    QString line = value.toString();
    for (QChar &c : line)
        if (c.category() == QChar::Other_Control)
            c = u' ';
    line = line.simplified();
    if (line.size() > kLength) {
        qsizetype keep = kLength - 1;
        if (line[keep - 1].isHighSurrogate())
            --keep;
        line = line.first(keep) + u'…';
    }
    return line;
}

QString tagLabel(const TagRow &row) {
    if (row.element == Element::Title)
        return QStringLiteral("<title>");
    return QStringLiteral("<%1 %2=\"%3\">")
        .arg(row.element == Element::Link ? QLatin1StringView("link") : QLatin1StringView("meta"),
             row.keyAttribute, row.keyValue);
}

bool MetaKey::is(const TagRow &row) const {
    if (kindOf(row).space != KeySpace::Charset)
        return kind == kindOf(row);
    return hasKeyOf(row, [this](QLatin1StringView rowAttribute, QLatin1StringView rowValue) {
        return attribute == rowAttribute && equalsAsciiCaseless(value, rowValue);
    });
}

bool MetaKey::hasValueOf(const TagRow &row) const {
    return equalsAsciiCaseless(value, row.keyValue);
}

} // namespace velko
