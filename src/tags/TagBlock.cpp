#include "tags/TagBlock.h"

#include <optional>

namespace velko {

namespace {

// Text typed into a list instead of choosing an item is a value too: "noindex,
// nofollow" typed as the robots value must not be dropped.
std::optional<QString> typedText(const ListValue &list) {
    const QString text = list.text.trimmed();
    if (text.isEmpty())
        return {};
    return text;
}

// The row's value, or nothing when the row is not written.
std::optional<QString> rowValue(const TagRow &row, const FormValue &form) {
    switch (row.source) {
    case Source::Text:
        if (form[row.field].isEmpty())
            return {};
        return form[row.field];
    case Source::Refresh:
        if (form[Field::RefreshSeconds].isEmpty() || form[Field::RefreshUrl].isEmpty())
            return {};
        return form[Field::RefreshSeconds] + QStringLiteral("; url=") + form[Field::RefreshUrl];
    case Source::Choice:
        if (form[row.list].index == -1)
            return typedText(form[row.list]);
        return form[row.list].text;
    case Source::NoCache:
        if (form[List::PageCaching].index == -1)
            return typedText(form[List::PageCaching]);
        if (form[List::PageCaching].index != 1)
            return {};
        return QStringLiteral("no-cache");
    case Source::CheckBox:
        if (!form[row.check])
            return {};
        return form[row.field];
    case Source::Fixed:
        if (!form[row.check])
            return {};
        return QString();
    case Source::Fallback:
        if (!form[row.field].isEmpty())
            return form[row.field];
        if (!form[row.check] || form[row.fallback].isEmpty())
            return {};
        return form[row.fallback];
    }
    return {};
}

QString lineText(const TagRow &row, QString value, DcNameCase dcCase) {
    switch (row.element) {
    case Element::Title:
        return QStringLiteral("<title>") + value + QStringLiteral("</title>");
    case Element::Comment:
        return QStringLiteral("<!--") + value + QStringLiteral("-->");
    case Element::Meta:
    case Element::Link:
        break;
    }
    QString line =
        (row.element == Element::Meta ? QStringLiteral("<meta ") : QStringLiteral("<link ")) +
        row.keyAttribute + QStringLiteral("=\"") + writtenKeyValue(row, dcCase) + QLatin1Char('"');
    if (!row.valueAttribute.isEmpty())
        line += QLatin1Char(' ') + row.valueAttribute + QStringLiteral("=\"") + row.valuePrefix +
                value.replace(u'"', QStringLiteral("&quot;")) + QLatin1Char('"');
    return line + QLatin1Char('>');
}

} // namespace

std::vector<TagLine> BuildTagLines(const FormValue &form, DcNameCase dcCase) {
    std::vector<TagLine> lines;
    for (const TagRow &row : tagRows()) {
        if (std::optional<QString> value = rowValue(row, form))
            lines.push_back({&row, lineText(row, *value, dcCase), std::move(*value)});
    }
    return lines;
}

QString BuildTagBlock(const FormValue &form, DcNameCase dcCase) {
    QString block;
    for (const TagLine &line : BuildTagLines(form, dcCase))
        block += line.text + QStringLiteral("\r\n");
    return block;
}

} // namespace velko
