#include "fields/FormLayout.h"

#include <utility>

namespace velko {

namespace {

using C = Control;

constexpr FormRow kRows[] = {
    {Page::General, QT_TRANSLATE_NOOP("velko::Form", "Title"), C::text(Field::Title)},
    {Page::General, QT_TRANSLATE_NOOP("velko::Form", "Keywords"), C::text(Field::Keywords)},
    {Page::General, QT_TRANSLATE_NOOP("velko::Form", "Description"), C::text(Field::Description)},
    {Page::General, QT_TRANSLATE_NOOP("velko::Form", "Author"), C::text(Field::Author)},
    {Page::General, QT_TRANSLATE_NOOP("velko::Form", "E-mail"), C::text(Field::Email)},
    {Page::General, QT_TRANSLATE_NOOP("velko::Form", "Copyright"), C::text(Field::Copyright)},
    {Page::General, QT_TRANSLATE_NOOP("velko::Form", "Revisit After"),
     C::text(Field::RevisitAfter)},
    {Page::General, QT_TRANSLATE_NOOP("velko::Form", "Refresh"), C::text(Field::RefreshUrl),
     C::text(Field::RefreshSeconds), QT_TRANSLATE_NOOP("velko::Form", "sec.")},
    {Page::General, QT_TRANSLATE_NOOP("velko::Form", "Expires"), C::text(Field::Expires)},
    {Page::General, QT_TRANSLATE_NOOP("velko::Form", "Distribution"), C::list(List::Distribution)},
    {Page::General, QT_TRANSLATE_NOOP("velko::Form", "Robot"), C::list(List::Robot)},
    {Page::General, QT_TRANSLATE_NOOP("velko::Form", "Rating"), C::list(List::Rating)},

    {Page::DublinCore, QT_TRANSLATE_NOOP("velko::Form", "DC.Title"), C::check(Check::DCTitle)},
    {Page::DublinCore, QT_TRANSLATE_NOOP("velko::Form", "DC.Description"),
     C::check(Check::DCDescription)},
    {Page::DublinCore, QT_TRANSLATE_NOOP("velko::Form", "DC.Creator"), C::text(Field::DCCreator)},
    {Page::DublinCore, QT_TRANSLATE_NOOP("velko::Form", "DC.Subject"), C::check(Check::DCSubject)},
    {Page::DublinCore, QT_TRANSLATE_NOOP("velko::Form", "DC.Publisher"),
     C::text(Field::DCPublisher)},
    {Page::DublinCore, QT_TRANSLATE_NOOP("velko::Form", "DC.Contributors"),
     C::text(Field::DCContributors)},
    {Page::DublinCore, QT_TRANSLATE_NOOP("velko::Form", "DC.Date"), C::text(Field::DCDate)},
    {Page::DublinCore, QT_TRANSLATE_NOOP("velko::Form", "DC.Type"), C::text(Field::DCType)},
    {Page::DublinCore, QT_TRANSLATE_NOOP("velko::Form", "DC.Format"), C::text(Field::DCFormat)},
    {Page::DublinCore, QT_TRANSLATE_NOOP("velko::Form", "DC.Identifier"),
     C::text(Field::DCIdentifier)},
    {Page::DublinCore, QT_TRANSLATE_NOOP("velko::Form", "DC.Source"), C::text(Field::DCSource)},
    {Page::DublinCore, QT_TRANSLATE_NOOP("velko::Form", "DC.Language"), C::text(Field::DCLanguage)},
    {Page::DublinCore, QT_TRANSLATE_NOOP("velko::Form", "DC.Relation"), C::text(Field::DCRelation)},
    {Page::DublinCore, QT_TRANSLATE_NOOP("velko::Form", "DC.Coverage"), C::text(Field::DCCoverage)},
    {Page::DublinCore, QT_TRANSLATE_NOOP("velko::Form", "DC.Rights"), C::text(Field::DCRights)},

    {Page::Other, QT_TRANSLATE_NOOP("velko::Form", "Charset"), C::list(List::Charset)},
    {Page::Other, QT_TRANSLATE_NOOP("velko::Form", "Language"), C::list(List::Language),
     C::text(Field::OtherLanguage)},
    {Page::Other, QT_TRANSLATE_NOOP("velko::Form", "Page Caching"), C::list(List::PageCaching)},
    {Page::Other, QT_TRANSLATE_NOOP("velko::Form", "Generator"), C::text(Field::Generator)},
    {Page::Other, QT_TRANSLATE_NOOP("velko::Form", "Window Target"), C::text(Field::WindowTarget)},
    {Page::Other, QT_TRANSLATE_NOOP("velko::Form", "Abstract"), C::text(Field::Abstract)},
    {Page::Other, QT_TRANSLATE_NOOP("velko::Form", "Comments"), C::text(Field::Comments)},
    {Page::Other, "", C::check(Check::TitleComments)},
    {Page::Other, "", C::check(Check::KeywordsComments)},
    {Page::Other, "", C::check(Check::DescriptionComments)},

    {Page::WebTags, "", C::check(Check::DeclareUtf8)},
    {Page::WebTags, QT_TRANSLATE_NOOP("velko::Form", "Viewport"), C::list(List::Viewport)},
    {Page::WebTags, QT_TRANSLATE_NOOP("velko::Form", "Canonical URL"),
     C::text(Field::CanonicalUrl)},
    {Page::WebTags, QT_TRANSLATE_NOOP("velko::Form", "Theme Colour"), C::text(Field::ThemeColour)},
    {Page::WebTags, QT_TRANSLATE_NOOP("velko::Form", "og:title"), C::text(Field::OgTitle)},
    {Page::WebTags, QT_TRANSLATE_NOOP("velko::Form", "og:description"),
     C::text(Field::OgDescription)},
    {Page::WebTags, QT_TRANSLATE_NOOP("velko::Form", "og:url"), C::text(Field::OgUrl)},
    {Page::WebTags, QT_TRANSLATE_NOOP("velko::Form", "og:type"), C::list(List::OgType)},
    {Page::WebTags, QT_TRANSLATE_NOOP("velko::Form", "og:image"), C::text(Field::OgImage)},
    {Page::WebTags, QT_TRANSLATE_NOOP("velko::Form", "og:image:alt"), C::text(Field::OgImageAlt)},
    {Page::WebTags, QT_TRANSLATE_NOOP("velko::Form", "og:site_name"), C::text(Field::OgSiteName)},
    {Page::WebTags, QT_TRANSLATE_NOOP("velko::Form", "og:locale"), C::text(Field::OgLocale)},
    {Page::WebTags, QT_TRANSLATE_NOOP("velko::Form", "twitter:card"), C::list(List::TwitterCard)},
    {Page::WebTags, QT_TRANSLATE_NOOP("velko::Form", "twitter:site"), C::text(Field::TwitterSite)},
    {Page::WebTags, QT_TRANSLATE_NOOP("velko::Form", "twitter:creator"),
     C::text(Field::TwitterCreator)},
    {Page::WebTags, "", C::check(Check::FillOpenGraph)},
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

const char *catalogueLabel(Control control) {
    return catalogueTexts(control).first;
}

QString controlLabel(Control control) {
    return formText(catalogueLabel(control));
}

QString controlTooltip(Control control) {
    return formText(catalogueTexts(control).second);
}

QString accessibleName(const FormRow &row, Control control) {
    const QString label = controlLabel(control);
    if (control.kind == Control::Kind::Check || !*row.label ||
        qstrcmp(row.label, catalogueLabel(control)) == 0)
        return label;
    QString name = formText(row.label) + QStringLiteral(", ") + label;
    if (control.id == row.second.id && control.kind == row.second.kind && *row.trailing)
        name += QLatin1Char(' ') + formText(row.trailing);
    return name;
}

} // namespace velko
