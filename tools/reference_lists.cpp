// Writes the lists that the manual page and the help pages hold, from the
// tables they describe: the rules of --check with their severities, and the
// keys of a form file with what each is. Run by the build:
//   reference_lists TEMPLATE OUTPUT
// copies TEMPLATE to OUTPUT with each marker line replaced by its list, in
// roff, or in HTML when OUTPUT ends in ".html". A marker is a comment line
// naming the list: '.\" velko-list: check-rules' or
// '<!-- velko-list: form-keys -->'; 'page-own-fields' names the tags that
// --keep-page-fields keeps, in a line of running text.

#include "check/CheckRules.h"
#include "document/SiteUpdate.h"
#include "fields/FieldCatalogue.h"
#include "tags/TagTable.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>
#include <cstdio>
#include <vector>

using namespace velko;

namespace {

// The columns of a list: a key or rule id, a severity or nothing, a meaning.
using Row = QStringList;

QString lowerFirst(QString text) {
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

std::vector<Row> checkRuleRows() {
    std::vector<Row> rows;
    for (const RuleEntry &entry : checkRules())
        rows.push_back({entry.id, severityName(entry.severity), entry.description});
    return rows;
}

// A hidden slot holds the tag that reading a page stages in it.
QString slotMeaning(const FieldEntry &entry) {
    return QStringLiteral("the %1 tag read from a page").arg(tagRowOf(entry.field).keyValue);
}

QString listMeaning(const ListEntry &entry) {
    QStringList items;
    for (const char *item : entry.items)
        items << QString::fromUtf8(item);
    return QString::fromUtf8(entry.tooltip) + QStringLiteral(": ") +
           items.join(QStringLiteral(", "));
}

// What the box makes, from the tag table's rows it drives, then its tooltip.
QString checkMeaning(const CheckEntry &entry) {
    QStringList makes;
    for (const TagRow &row : tagRows()) {
        if (row.check != entry.check)
            continue;
        const QString field = lowerFirst(QString::fromUtf8(fieldEntry(row.field).name));
        if (row.source == Source::CheckBox && row.element == Element::Comment)
            makes << QStringLiteral("the %1 as a comment line too").arg(field);
        else if (row.source == Source::CheckBox)
            makes << QStringLiteral("%1 from the %2").arg(row.keyValue, field);
        else if (row.source == Source::Fixed)
            makes << QStringLiteral("<meta %1=\"%2\">").arg(row.keyAttribute, row.keyValue);
    }
    QString meaning = makes.join(QStringLiteral("; "));
    if (*entry.tooltip)
        meaning += (meaning.isEmpty() ? QString() : QStringLiteral(": ")) +
                   QString::fromUtf8(entry.tooltip);
    return meaning;
}

// In the order of --form-template: the text fields, the lists, the boxes.
std::vector<Row> formKeyRows() {
    std::vector<Row> rows;
    for (const FieldEntry &entry : allFields())
        if (entry.field != Field::Spare)
            rows.push_back(
                {entry.name, QStringLiteral("text"),
                 entry.page == Page::None ? slotMeaning(entry) : QString::fromUtf8(entry.tooltip)});
    for (const ListEntry &entry : allLists())
        rows.push_back({entry.name, QStringLiteral("list"), listMeaning(entry)});
    for (const CheckEntry &entry : allChecks())
        rows.push_back({entry.caption, QStringLiteral("check box"), checkMeaning(entry)});
    return rows;
}

// `text` in lines of at most `width` characters, broken at blanks.
QStringList wrapped(const QString &text, qsizetype width) {
    QStringList lines;
    for (const QString &word : text.split(u' ')) {
        if (!lines.isEmpty() && lines.back().size() + 1 + word.size() <= width)
            lines.back() += u' ' + word;
        else
            lines << word;
    }
    return lines;
}

QString roffText(QString text) {
    text.replace(u'\\', QStringLiteral("\\e")).replace(u'-', QStringLiteral("\\-"));
    if (text.startsWith(u'.') || text.startsWith(u'\''))
        text.prepend(QStringLiteral("\\&"));
    return text;
}

// A table without fill: the columns at tab stops, the last one wrapped under
// itself; a first column too wide for its stop puts the rest on a line of
// its own.
QString roffTable(const std::vector<Row> &rows, const QList<int> &stops, bool withMiddle) {
    constexpr qsizetype kMeaningWidth = 44;
    QString out = QStringLiteral(".nf\n.ta");
    for (const int stop : stops)
        out += QStringLiteral(" %1n").arg(stop);
    out += u'\n';
    const QString indent(stops.size(), u'\t');
    for (const Row &row : rows) {
        QString line = roffText(row[0]);
        if (row[0].size() >= stops.front()) {
            out += line + u'\n';
            line.clear();
        }
        line += u'\t';
        if (withMiddle)
            line += roffText(row[1]) + u'\t';
        QStringList meaning = wrapped(row[2], kMeaningWidth);
        out += line + roffText(meaning.takeFirst()) + u'\n';
        for (const QString &more : meaning)
            out += indent + roffText(more) + u'\n';
    }
    return out + QStringLiteral(".fi\n");
}

QString htmlTable(const std::vector<Row> &rows, const QStringList &headings) {
    QString out = QStringLiteral("<table border=\"1\" cellpadding=\"3\" cellspacing=\"0\">\n<tr>");
    for (const QString &heading : headings)
        out += QStringLiteral("<th>%1</th>").arg(heading);
    out += QStringLiteral("</tr>\n");
    for (const Row &row : rows) {
        out += QStringLiteral("<tr>");
        for (const QString &cell : row)
            out += QStringLiteral("<td>%1</td>").arg(cell.toHtmlEscaped());
        out += QStringLiteral("</tr>\n");
    }
    return out + QStringLiteral("</table>\n");
}

// The list a marker names, or a null string for a name no list has.
QString list(const QString &name, bool html) {
    if (name == u"check-rules")
        return html
                   ? htmlTable(checkRuleRows(), {QStringLiteral("rule"), QStringLiteral("severity"),
                                                 QStringLiteral("finds")})
                   : roffTable(checkRuleRows(), {24, 33}, true);
    if (name == u"form-keys")
        return html ? htmlTable(formKeyRows(), {QStringLiteral("key"), QStringLiteral("value"),
                                                QStringLiteral("what it is")})
                    : roffTable(formKeyRows(), {28}, false);
    if (name == u"page-own-fields") // a line of running text
        return (html ? pageOwnTagNames().toHtmlEscaped() : pageOwnTagNames()) + u'\n';
    return {};
}

int fail(const QString &message) {
    std::fprintf(stderr, "reference_lists: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc != 3)
        return fail(QStringLiteral("usage: reference_lists TEMPLATE OUTPUT"));
    const QString templatePath = QString::fromLocal8Bit(argv[1]);
    const QString outputPath = QString::fromLocal8Bit(argv[2]);
    QFile in(templatePath);
    if (!in.open(QIODevice::ReadOnly))
        return fail(templatePath + QStringLiteral(": ") + in.errorString());
    const bool html = outputPath.endsWith(QStringLiteral(".html"));
    static const QRegularExpression marker(
        QStringLiteral(R"(^(?:\.\\" |<!-- )velko-list: ([a-z-]+)(?: -->)?$)"));
    QString out;
    for (const QString &line : QString::fromUtf8(in.readAll()).split(u'\n')) {
        if (!line.contains(QStringLiteral("velko-list:"))) {
            out += line + u'\n';
            continue;
        }
        const QRegularExpressionMatch match = marker.match(line);
        const QString replaced = match.hasMatch() ? list(match.captured(1), html) : QString();
        if (replaced.isNull())
            return fail(templatePath + QStringLiteral(": no such list: ") + line);
        out += replaced;
    }
    out.chop(1); // the split's last piece had no line break
    QSaveFile file(outputPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(out.toUtf8()) < 0 || !file.commit())
        return fail(outputPath + QStringLiteral(": ") + file.errorString());
    return 0;
}
