#include "fields/FieldCatalogue.h"

namespace velko {

namespace {

constexpr FieldEntry kFields[] = {
    {Field::Spare, "Spare slot", Page::None, "", "", false},
    {Field::Title, "Title", Page::General, "Title", "Web page title", false},
    {Field::Keywords, "Keywords", Page::General, "Keywords", "Keywords separated by commas", true},
    {Field::Description, "Description", Page::General, "Description",
     "Page description less than 200 words", true},
    {Field::Author, "Author", Page::General, "Author", "Person who authored the page", false},
    {Field::Email, "E-mail", Page::General, "E-mail", "Contact person's e-mail address", false},
    {Field::Copyright, "Copyright", Page::General, "Copyright", "Copyright year and name of holder",
     false},
    {Field::RevisitAfter, "Revisit After", Page::General, "Revisit After",
     "Frequency of a spider's return", false},
    {Field::RefreshSlot, "Refresh slot", Page::None, "", "", false},
    {Field::RefreshSeconds, "Refresh Seconds", Page::General, "after", "Seconds before transfer",
     false},
    {Field::RefreshUrl, "Refresh URL", Page::General, "Go to", "Transfers visitors to another page",
     false},
    {Field::Expires, "Expires", Page::General, "Expires", "Date content expires", false},
    {Field::RobotsSlot, "Robots slot", Page::None, "", "", false},
    {Field::RatingSlot, "Rating slot", Page::None, "", "", false},
    {Field::ContentTypeSlot, "Content-Type slot", Page::None, "", "", false},
    {Field::OtherLanguage, "Other Language", Page::Other, "Other", "Use a different language",
     false},
    {Field::DistributionSlot, "Distribution slot", Page::None, "", "", false},
    {Field::DCTitleSlot, "DC.Title slot", Page::None, "", "", false},
    {Field::DCDescriptionSlot, "DC.Description slot", Page::None, "", "", false},
    {Field::DCCreator, "DC.Creator", Page::DublinCore, "DC.Creator",
     "Primary creator of the content", false},
    {Field::DCSubjectSlot, "DC.Subject slot", Page::None, "", "", false},
    {Field::DCPublisher, "DC.Publisher", Page::DublinCore, "DC.Publisher",
     "One who makes the resource available", false},
    {Field::DCContributors, "DC.Contributors", Page::DublinCore, "DC.Contributors",
     "Contributor to the resource's content", false},
    {Field::DCDate, "DC.Date", Page::DublinCore, "DC.Date", "Date of the resource's creation",
     false},
    {Field::DCType, "DC.Type", Page::DublinCore, "DC.Type", "Nature of the resource's content",
     false},
    {Field::DCFormat, "DC.Format", Page::DublinCore, "DC.Format", "Media-type of the resource",
     false},
    {Field::DCIdentifier, "DC.Identifier", Page::DublinCore, "DC.Identifier", "Url of the resource",
     false},
    {Field::DCSource, "DC.Source", Page::DublinCore, "DC.Source",
     "Source from which the resource was derived", false},
    {Field::DCLanguage, "DC.Language", Page::DublinCore, "DC.Language",
     "Language of the resource's content", false},
    {Field::DCRelation, "DC.Relation", Page::DublinCore, "DC.Relation",
     "Reference to a related resource", false},
    {Field::DCCoverage, "DC.Coverage", Page::DublinCore, "DC.Coverage",
     "Geographical scope of the resource's content", false},
    {Field::DCRights, "DC.Rights", Page::DublinCore, "DC.Rights",
     "Info about rights held in the resource", false},
    {Field::PragmaSlot, "Pragma slot", Page::None, "", "", false},
    {Field::Generator, "Generator", Page::Other, "Generator", "Program that created the web page",
     false},
    {Field::WindowTarget, "Window Target", Page::Other, "Window Target", "Can prevent page framing",
     false},
    {Field::Abstract, "Abstract", Page::Other, "Abstract",
     "Brief summary of the description meta tag", true},
    {Field::Comments, "Comments", Page::Other, "Comments", "Sometimes used instead of meta tags",
     true},
};
static_assert(std::size(kFields) == kFieldCount);

constexpr const char *kDistributionItems[] = {"global", "local"};
constexpr const char *kRobotItems[] = {"all", "noindex", "nofollow", "none"};
constexpr const char *kRatingItems[] = {"general", "14 Years", "mature", "restricted"};
constexpr const char *kCharsetItems[] = {
    "windows-1252", "us-ascii",   "iso-8859-1", "iso-8859-2", "iso-8859-3", "iso-8859-4",
    "iso-8859-5",   "iso-8859-6", "iso-8859-7", "iso-8859-8", "iso-8859-9",
};
constexpr const char *kLanguageItems[] = {"en", "ch", "de", "es", "fr", "ja", "ru"};
constexpr const char *kPageCachingItems[] = {"cache (Default)", "no-cache"};

constexpr ListEntry kLists[] = {
    {List::Distribution, "Distribution", "cboDistribution", Page::General, "Distribution",
     "Entry points", kDistributionItems},
    {List::Robot, "Robot", "cboRobot", Page::General, "Robot", "Restrict or allow spiders",
     kRobotItems},
    {List::Rating, "Rating", "cboRating", Page::General, "Rating", "Content rating", kRatingItems},
    {List::Charset, "Charset", "cboCharset", Page::Other, "Charset", "Commonly ISO-8859-1",
     kCharsetItems},
    {List::Language, "Language", "cboLang", Page::Other, "Language", "The page's language",
     kLanguageItems},
    {List::PageCaching, "Page Caching", "cboPageCaching", Page::Other, "Page Caching",
     "Can stop browsers from caching page", kPageCachingItems},
};
static_assert(std::size(kLists) == kListCount);

constexpr CheckEntry kChecks[] = {
    {Check::DCTitle, "chkDCTitle", Page::DublinCore, "Use Title", "Name of the resource"},
    {Check::DCDescription, "chkDCDescription", Page::DublinCore, "Use Description",
     "Account of the resource's content"},
    {Check::DCSubject, "chkDCSubject", Page::DublinCore, "Use Keywords",
     "Topic of the resource's content"},
    {Check::TitleComments, "chkTitleComments", Page::Other, "Use Title as Comment", ""},
    {Check::KeywordsComments, "chkKeywordsComments", Page::Other, "Use Keywords as Comment", ""},
    {Check::DescriptionComments, "chkDescriptionComments", Page::Other,
     "Use Description as Comment", ""},
};
static_assert(std::size(kChecks) == kCheckCount);

constexpr bool tablesFollowTheirEnums() {
    for (int i = 0; i < kFieldCount; ++i)
        if (indexOf(kFields[i].field) != i)
            return false;
    for (int i = 0; i < kListCount; ++i)
        if (indexOf(kLists[i].list) != i)
            return false;
    for (int i = 0; i < kCheckCount; ++i)
        if (indexOf(kChecks[i].check) != i)
            return false;
    return true;
}
static_assert(tablesFollowTheirEnums());

} // namespace

const FieldEntry &fieldEntry(Field field) {
    return kFields[indexOf(field)];
}
const ListEntry &listEntry(List list) {
    return kLists[indexOf(list)];
}
const CheckEntry &checkEntry(Check check) {
    return kChecks[indexOf(check)];
}

std::span<const FieldEntry> allFields() {
    return kFields;
}
std::span<const ListEntry> allLists() {
    return kLists;
}
std::span<const CheckEntry> allChecks() {
    return kChecks;
}

QString pageTitle(Page page) {
    switch (page) {
    case Page::General:
        return QStringLiteral("General Tags");
    case Page::DublinCore:
        return QStringLiteral("D.C. Tags");
    case Page::Other:
        return QStringLiteral("Other Tags");
    case Page::GeneratedTags:
        return QStringLiteral("Generated Tags");
    case Page::HtmlFile:
        return QStringLiteral("HTML File");
    case Page::None:
        break;
    }
    return {};
}

QString fieldObjectName(Field field) {
    return QStringLiteral("HTMLText_%1").arg(indexOf(field));
}

} // namespace velko
