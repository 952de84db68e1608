#include "fields/ExampleRecord.h"

namespace velko {

namespace {

constexpr auto kTitle = "Harbordale - Guides, Utilities, and Ideas for Site Builders";

struct ExampleText {
    Field field;
    const char *value;
};

constexpr ExampleText kTexts[] = {
    {Field::Title, kTitle},
    {Field::Keywords, "free,webmaster,tools,tutorials,freeware,graphics,scripts,icons,web "
                      "design,Velko,meta,metatags"},
    {Field::Description, "Harbordale helps webmasters with free resources such as graphics, "
                         "tutorials, scripts, icons, articles and the Velko meta tag maker."},
    {Field::Author, "Dana Whitlock"},
    {Field::Email, kExampleEmail},
    {Field::Copyright, "2002 by Harbordale"},
    {Field::RevisitAfter, "2 Weeks"},
    {Field::RefreshUrl, kExampleHomePage},
    {Field::RefreshSeconds, "60"},
    {Field::Expires, "Wed, 30 Jan 2003 21:29:02 GMT"},
    {Field::DCCreator, "Dana Whitlock"},
    {Field::DCPublisher, "Harbordale"},
    {Field::DCContributors, "Lee Carver, Sam Oduya, Ines Marlow"},
    {Field::DCDate, "2002-01-30"},
    {Field::DCType, "Homepage"},
    {Field::DCFormat, "text/html"},
    {Field::DCIdentifier, "2 Weeks"},
    {Field::DCSource, kExampleHomePage},
    {Field::DCLanguage, "en-us"},
    {Field::DCRelation, "A Primer of Page Design, First Edition"},
    {Field::DCCoverage, "Georgia"},
    {Field::DCRights, "This document is copyrighted 2002 by Harbordale. Use for non-profit and "
                      "educational purposes explicitly granted"},
    {Field::Generator, "Velko"},
    {Field::WindowTarget, "_top"},
    {Field::Abstract, kTitle},
    {Field::Comments, "Above meta tags inserted by Velko"},
};

struct ExampleChoice {
    List list;
    int index;
};

constexpr ExampleChoice kChoices[] = {
    {List::Distribution, 0}, {List::Robot, 0},    {List::Rating, 0},
    {List::Charset, 2},      {List::Language, 0}, {List::PageCaching, 1},
};

// Every box of the first three pages.
constexpr Check kChecked[] = {
    Check::DCTitle,       Check::DCDescription,    Check::DCSubject,
    Check::TitleComments, Check::KeywordsComments, Check::DescriptionComments,
};

} // namespace

void fillInExamples(FormValue &form) {
    for (const auto &[field, value] : kTexts)
        form[field] = QString::fromUtf8(value);
    for (const auto &[list, index] : kChoices)
        form[list] = {index, QString::fromUtf8(listEntry(list).items[index])};
    for (Check check : kChecked)
        form[check] = true;
}

} // namespace velko
