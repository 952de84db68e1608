#include "fields/FormLayout.h"

#include <utility>

namespace velko {

namespace {

using C = Control;

constexpr FormRow kRows[] = {
    {Page::General, "Title", C::text(Field::Title)},
    {Page::General, "Keywords", C::text(Field::Keywords)},
    {Page::General, "Description", C::text(Field::Description)},
    {Page::General, "Author", C::text(Field::Author)},
    {Page::General, "E-mail", C::text(Field::Email)},
    {Page::General, "Copyright", C::text(Field::Copyright)},
    {Page::General, "Revisit After", C::text(Field::RevisitAfter)},
    {Page::General, "Refresh", C::text(Field::RefreshUrl), C::text(Field::RefreshSeconds), "sec."},
    {Page::General, "Expires", C::text(Field::Expires)},
    {Page::General, "Distribution", C::list(List::Distribution)},
    {Page::General, "Robot", C::list(List::Robot)},
    {Page::General, "Rating", C::list(List::Rating)},

    {Page::DublinCore, "DC.Title", C::check(Check::DCTitle)},
    {Page::DublinCore, "DC.Description", C::check(Check::DCDescription)},
    {Page::DublinCore, "DC.Creator", C::text(Field::DCCreator)},
    {Page::DublinCore, "DC.Subject", C::check(Check::DCSubject)},
    {Page::DublinCore, "DC.Publisher", C::text(Field::DCPublisher)},
    {Page::DublinCore, "DC.Contributors", C::text(Field::DCContributors)},
    {Page::DublinCore, "DC.Date", C::text(Field::DCDate)},
    {Page::DublinCore, "DC.Type", C::text(Field::DCType)},
    {Page::DublinCore, "DC.Format", C::text(Field::DCFormat)},
    {Page::DublinCore, "DC.Identifier", C::text(Field::DCIdentifier)},
    {Page::DublinCore, "DC.Source", C::text(Field::DCSource)},
    {Page::DublinCore, "DC.Language", C::text(Field::DCLanguage)},
    {Page::DublinCore, "DC.Relation", C::text(Field::DCRelation)},
    {Page::DublinCore, "DC.Coverage", C::text(Field::DCCoverage)},
    {Page::DublinCore, "DC.Rights", C::text(Field::DCRights)},

    {Page::Other, "Charset", C::list(List::Charset)},
    {Page::Other, "Language", C::list(List::Language), C::text(Field::OtherLanguage)},
    {Page::Other, "Page Caching", C::list(List::PageCaching)},
    {Page::Other, "Generator", C::text(Field::Generator)},
    {Page::Other, "Window Target", C::text(Field::WindowTarget)},
    {Page::Other, "Abstract", C::text(Field::Abstract)},
    {Page::Other, "Comments", C::text(Field::Comments)},
    {Page::Other, "", C::check(Check::TitleComments)},
    {Page::Other, "", C::check(Check::KeywordsComments)},
    {Page::Other, "", C::check(Check::DescriptionComments)},
};

} // namespace

std::span<const FormRow> formRows() {
    return kRows;
}

namespace {

// The catalogue's label (or caption) and tooltip of a control.
std::pair<const char *, const char *> catalogueTexts(Control control) {
    switch (control.kind) {
    case Control::Kind::Text: {
        const FieldEntry &entry = fieldEntry(Field(control.id));
        return {entry.label, entry.tooltip};
    }
    case Control::Kind::List: {
        const ListEntry &entry = listEntry(List(control.id));
        return {entry.label, entry.tooltip};
    }
    case Control::Kind::Check: {
        const CheckEntry &entry = checkEntry(Check(control.id));
        return {entry.caption, entry.tooltip};
    }
    case Control::Kind::None:
        break;
    }
    return {"", ""};
}

} // namespace

QString controlLabel(Control control) {
    return QString::fromUtf8(catalogueTexts(control).first);
}

QString controlTooltip(Control control) {
    return QString::fromUtf8(catalogueTexts(control).second);
}

QString accessibleName(const FormRow &row, Control control) {
    const QString label = controlLabel(control);
    const QString rowLabel = QString::fromUtf8(row.label);
    if (control.kind == Control::Kind::Check || rowLabel.isEmpty() || rowLabel == label)
        return label;
    QString name = rowLabel + QStringLiteral(", ") + label;
    if (control.id == row.second.id && control.kind == row.second.kind && *row.trailing)
        name += QLatin1Char(' ') + QString::fromUtf8(row.trailing);
    return name;
}

} // namespace velko
