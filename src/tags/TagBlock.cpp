#include "tags/TagBlock.h"

#include <optional>

namespace velko {

namespace {

// Where a row's value comes from, which is also what decides whether the row
// is written.
enum class Source {
    Text,     // the field, when it is not empty
    Refresh,  // seconds "; url=" address, when both are filled in
    Choice,   // the list's shown text, when an item is chosen
    NoCache,  // "no-cache", when the Page Caching list has item 1 chosen
    CheckBox, // the field, whenever the box is checked (even when empty)
};

enum class Ending { Title, Attribute, Comment };

struct TagRow {
    const char *prefix;
    Source source;
    Field field = Field::Spare;
    List list = List::Distribution;
    Check check = Check::DCTitle;
    Ending ending = Ending::Attribute;
};

constexpr TagRow text(const char *prefix, Field field) {
    return {prefix, Source::Text, field};
}
constexpr TagRow choice(const char *prefix, List list) {
    return {prefix, Source::Choice, Field::Spare, list};
}
constexpr TagRow checked(const char *prefix, Check check, Field field) {
    return {prefix, Source::CheckBox, field, List::Distribution, check};
}

constexpr TagRow kRows[] = {
    {"<title>", Source::Text, Field::Title, {}, {}, Ending::Title},
    text(R"(<meta name="keywords" content=")", Field::Keywords),
    text(R"(<meta name="description" content=")", Field::Description),
    text(R"(<meta name="author" content=")", Field::Author),
    text(R"(<link rev="made" href=")", Field::Email),
    text(R"(<meta name="copyright" content=")", Field::Copyright),
    text(R"(<meta name="revisit-after" content=")", Field::RevisitAfter),
    {R"(<meta http-equiv="refresh" content=")", Source::Refresh},
    text(R"(<meta http-equiv="expires" content=")", Field::Expires),
    choice(R"(<meta name="distribution" content=")", List::Distribution),
    choice(R"(<meta name="robots" content=")", List::Robot),
    choice(R"(<meta name="rating" content=")", List::Rating),
    choice(R"(<meta http-equiv="content-type" content="text/html; charset=)", List::Charset),
    choice(R"(<meta http-equiv="content-language" content=")", List::Language),
    text(R"(<meta name="content-language" content=")", Field::OtherLanguage),
    checked(R"(<meta name="DC.Title" content=")", Check::DCTitle, Field::Title),
    checked(R"(<meta name="DC.Description" content=")", Check::DCDescription, Field::Description),
    checked(R"(<meta name="DC.Subject" content=")", Check::DCSubject, Field::Keywords),
    text(R"(<meta name="DC.Creator" content=")", Field::DCCreator),
    text(R"(<meta name="DC.Publisher" content=")", Field::DCPublisher),
    text(R"(<meta name="DC.Contributors" content=")", Field::DCContributors),
    text(R"(<meta name="DC.Date" content=")", Field::DCDate),
    text(R"(<meta name="DC.Type" content=")", Field::DCType),
    text(R"(<meta name="DC.Format" content=")", Field::DCFormat),
    text(R"(<meta name="DC.Identifier" content=")", Field::DCIdentifier),
    text(R"(<meta name="DC.Source" content=")", Field::DCSource),
    text(R"(<meta name="DC.Language" content=")", Field::DCLanguage),
    text(R"(<meta name="DC.Relation" content=")", Field::DCRelation),
    text(R"(<meta name="DC.Coverage" content=")", Field::DCCoverage),
    text(R"(<meta name="DC.Rights" content=")", Field::DCRights),
    {R"(<meta http-equiv="pragma" content=")", Source::NoCache},
    text(R"(<meta name="generator" content=")", Field::Generator),
    text(R"(<meta http-equiv="window-target" content=")", Field::WindowTarget),
    text(R"(<meta name="abstract" content=")", Field::Abstract),
    {"<!--", Source::Text, Field::Comments, {}, {}, Ending::Comment},
    {"<!--", Source::CheckBox, Field::Title, {}, Check::TitleComments, Ending::Comment},
    {"<!--", Source::CheckBox, Field::Keywords, {}, Check::KeywordsComments, Ending::Comment},
    {"<!--", Source::CheckBox, Field::Description, {}, Check::DescriptionComments, Ending::Comment},
};
static_assert(std::size(kRows) == 38);

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
            return {};
        return form[row.list].text;
    case Source::NoCache:
        if (form[List::PageCaching].index != 1)
            return {};
        return QStringLiteral("no-cache");
    case Source::CheckBox:
        if (!form[row.check])
            return {};
        return form[row.field];
    }
    return {};
}

QString prefixFor(const TagRow &row, DcNameCase dcCase) {
    QString prefix = QString::fromUtf8(row.prefix);
    static const QString dcName = QStringLiteral("<meta name=\"DC.");
    if (dcCase == DcNameCase::LowerCase && prefix.startsWith(dcName))
        prefix[dcName.size()] = prefix[dcName.size()].toLower();
    return prefix;
}

} // namespace

QString BuildTagBlock(const FormValue &form, DcNameCase dcCase) {
    static const QString kQuote = QStringLiteral("\"");
    static const QString kEscapedQuote = QStringLiteral("&quot;");
    QString block;
    for (const TagRow &row : kRows) {
        std::optional<QString> value = rowValue(row, form);
        if (!value)
            continue;
        block += prefixFor(row, dcCase);
        switch (row.ending) {
        case Ending::Title:
            block += *value + QStringLiteral("</title>");
            break;
        case Ending::Attribute:
            block += value->replace(kQuote, kEscapedQuote) + QStringLiteral("\">");
            break;
        case Ending::Comment:
            block += *value + QStringLiteral("-->");
            break;
        }
        block += QStringLiteral("\r\n");
    }
    return block;
}

} // namespace velko
