#include "fields/FieldCatalogue.h"

#include <QCoreApplication>
#include <algorithm>
#include <string_view>

namespace velko {

namespace {

constexpr FieldEntry kFields[] = {
    {Field::Spare, "Spare", "Spare slot", Page::None, "", "", false},
    {Field::Title, "Title", "Title", Page::General, QT_TRANSLATE_NOOP("velko::Form", "Title"),
     QT_TRANSLATE_NOOP("velko::Form", "Web page title"), false},
    {Field::Keywords, "Keywords", "Keywords", Page::General,
     QT_TRANSLATE_NOOP("velko::Form", "Keywords"),
     QT_TRANSLATE_NOOP("velko::Form", "Keywords separated by commas"), true},
    {Field::Description, "Description", "Description", Page::General,
     QT_TRANSLATE_NOOP("velko::Form", "Description"),
     QT_TRANSLATE_NOOP("velko::Form", "Page description less than 200 words"), true},
    {Field::Author, "Author", "Author", Page::General, QT_TRANSLATE_NOOP("velko::Form", "Author"),
     QT_TRANSLATE_NOOP("velko::Form", "Person who authored the page"), false},
    {Field::Email, "Email", "E-mail", Page::General, QT_TRANSLATE_NOOP("velko::Form", "E-mail"),
     QT_TRANSLATE_NOOP("velko::Form", "Contact person's e-mail address"), false},
    {Field::Copyright, "Copyright", "Copyright", Page::General,
     QT_TRANSLATE_NOOP("velko::Form", "Copyright"),
     QT_TRANSLATE_NOOP("velko::Form", "Copyright year and name of holder"), false},
    {Field::RevisitAfter, "RevisitAfter", "Revisit After", Page::General,
     QT_TRANSLATE_NOOP("velko::Form", "Revisit After"),
     QT_TRANSLATE_NOOP("velko::Form", "Frequency of a spider's return"), false},
    {Field::RefreshSlot, "RefreshSlot", "Refresh slot", Page::None, "", "", false},
    {Field::RefreshSeconds, "RefreshSeconds", "Refresh Seconds", Page::General,
     QT_TRANSLATE_NOOP("velko::Form", "after"),
     QT_TRANSLATE_NOOP("velko::Form", "Seconds before transfer"), false},
    {Field::RefreshUrl, "RefreshUrl", "Refresh URL", Page::General,
     QT_TRANSLATE_NOOP("velko::Form", "Go to"),
     QT_TRANSLATE_NOOP("velko::Form", "Transfers visitors to another page"), false},
    {Field::Expires, "Expires", "Expires", Page::General,
     QT_TRANSLATE_NOOP("velko::Form", "Expires"),
     QT_TRANSLATE_NOOP("velko::Form", "Date content expires"), false},
    {Field::RobotsSlot, "RobotsSlot", "Robots slot", Page::None, "", "", false},
    {Field::RatingSlot, "RatingSlot", "Rating slot", Page::None, "", "", false},
    {Field::ContentTypeSlot, "ContentTypeSlot", "Content-Type slot", Page::None, "", "", false},
    {Field::OtherLanguage, "OtherLanguage", "Other Language", Page::Other,
     QT_TRANSLATE_NOOP("velko::Form", "Other"),
     QT_TRANSLATE_NOOP("velko::Form", "Use a different language"), false},
    {Field::DistributionSlot, "DistributionSlot", "Distribution slot", Page::None, "", "", false},
    {Field::DCTitleSlot, "DCTitleSlot", "DC.Title slot", Page::None, "", "", false},
    {Field::DCDescriptionSlot, "DCDescriptionSlot", "DC.Description slot", Page::None, "", "",
     false},
    {Field::DCCreator, "DCCreator", "DC.Creator", Page::DublinCore,
     QT_TRANSLATE_NOOP("velko::Form", "DC.Creator"),
     QT_TRANSLATE_NOOP("velko::Form", "Primary creator of the content"), false},
    {Field::DCSubjectSlot, "DCSubjectSlot", "DC.Subject slot", Page::None, "", "", false},
    {Field::DCPublisher, "DCPublisher", "DC.Publisher", Page::DublinCore,
     QT_TRANSLATE_NOOP("velko::Form", "DC.Publisher"),
     QT_TRANSLATE_NOOP("velko::Form", "One who makes the resource available"), false},
    {Field::DCContributors, "DCContributors", "DC.Contributors", Page::DublinCore,
     QT_TRANSLATE_NOOP("velko::Form", "DC.Contributors"),
     QT_TRANSLATE_NOOP("velko::Form", "Contributor to the resource's content"), false},
    {Field::DCDate, "DCDate", "DC.Date", Page::DublinCore,
     QT_TRANSLATE_NOOP("velko::Form", "DC.Date"),
     QT_TRANSLATE_NOOP("velko::Form", "Date of the resource's creation"), false},
    {Field::DCType, "DCType", "DC.Type", Page::DublinCore,
     QT_TRANSLATE_NOOP("velko::Form", "DC.Type"),
     QT_TRANSLATE_NOOP("velko::Form", "Nature of the resource's content"), false},
    {Field::DCFormat, "DCFormat", "DC.Format", Page::DublinCore,
     QT_TRANSLATE_NOOP("velko::Form", "DC.Format"),
     QT_TRANSLATE_NOOP("velko::Form", "Media-type of the resource"), false},
    {Field::DCIdentifier, "DCIdentifier", "DC.Identifier", Page::DublinCore,
     QT_TRANSLATE_NOOP("velko::Form", "DC.Identifier"),
     QT_TRANSLATE_NOOP("velko::Form", "Url of the resource"), false},
    {Field::DCSource, "DCSource", "DC.Source", Page::DublinCore,
     QT_TRANSLATE_NOOP("velko::Form", "DC.Source"),
     QT_TRANSLATE_NOOP("velko::Form", "Source from which the resource was derived"), false},
    {Field::DCLanguage, "DCLanguage", "DC.Language", Page::DublinCore,
     QT_TRANSLATE_NOOP("velko::Form", "DC.Language"),
     QT_TRANSLATE_NOOP("velko::Form", "Language of the resource's content"), false},
    {Field::DCRelation, "DCRelation", "DC.Relation", Page::DublinCore,
     QT_TRANSLATE_NOOP("velko::Form", "DC.Relation"),
     QT_TRANSLATE_NOOP("velko::Form", "Reference to a related resource"), false},
    {Field::DCCoverage, "DCCoverage", "DC.Coverage", Page::DublinCore,
     QT_TRANSLATE_NOOP("velko::Form", "DC.Coverage"),
     QT_TRANSLATE_NOOP("velko::Form", "Geographical scope of the resource's content"), false},
    {Field::DCRights, "DCRights", "DC.Rights", Page::DublinCore,
     QT_TRANSLATE_NOOP("velko::Form", "DC.Rights"),
     QT_TRANSLATE_NOOP("velko::Form", "Info about rights held in the resource"), false},
    {Field::PragmaSlot, "PragmaSlot", "Pragma slot", Page::None, "", "", false},
    {Field::Generator, "Generator", "Generator", Page::Other,
     QT_TRANSLATE_NOOP("velko::Form", "Generator"),
     QT_TRANSLATE_NOOP("velko::Form", "Program that created the web page"), false},
    {Field::WindowTarget, "WindowTarget", "Window Target", Page::Other,
     QT_TRANSLATE_NOOP("velko::Form", "Window Target"),
     QT_TRANSLATE_NOOP("velko::Form", "Can prevent page framing"), false},
    {Field::Abstract, "Abstract", "Abstract", Page::Other,
     QT_TRANSLATE_NOOP("velko::Form", "Abstract"),
     QT_TRANSLATE_NOOP("velko::Form", "Brief summary of the description meta tag"), true},
    {Field::Comments, "Comments", "Comments", Page::Other,
     QT_TRANSLATE_NOOP("velko::Form", "Comments"),
     QT_TRANSLATE_NOOP("velko::Form", "Sometimes used instead of meta tags"), true},
    {Field::CanonicalUrl, "CanonicalUrl", "Canonical URL", Page::WebTags,
     QT_TRANSLATE_NOOP("velko::Form", "Canonical URL"),
     QT_TRANSLATE_NOOP("velko::Form", "The page's preferred address, for search engines"), false},
    {Field::ThemeColour, "ThemeColour", "Theme Colour", Page::WebTags,
     QT_TRANSLATE_NOOP("velko::Form", "Theme Colour"),
     QT_TRANSLATE_NOOP("velko::Form", "Colour browsers give their bar, such as #336699"), false},
    {Field::OgTitle, "OgTitle", "og:title", Page::WebTags,
     QT_TRANSLATE_NOOP("velko::Form", "og:title"),
     QT_TRANSLATE_NOOP("velko::Form", "Title shown when the page is shared"), false},
    {Field::OgDescription, "OgDescription", "og:description", Page::WebTags,
     QT_TRANSLATE_NOOP("velko::Form", "og:description"),
     QT_TRANSLATE_NOOP("velko::Form", "Description shown when the page is shared"), false},
    {Field::OgUrl, "OgUrl", "og:url", Page::WebTags, QT_TRANSLATE_NOOP("velko::Form", "og:url"),
     QT_TRANSLATE_NOOP("velko::Form", "Address a shared link leads to"), false},
    {Field::OgImage, "OgImage", "og:image", Page::WebTags,
     QT_TRANSLATE_NOOP("velko::Form", "og:image"),
     QT_TRANSLATE_NOOP("velko::Form", "Picture shown when the page is shared"), false},
    {Field::OgImageAlt, "OgImageAlt", "og:image:alt", Page::WebTags,
     QT_TRANSLATE_NOOP("velko::Form", "og:image:alt"),
     QT_TRANSLATE_NOOP("velko::Form", "Text that describes the shared picture"), false},
    {Field::OgSiteName, "OgSiteName", "og:site_name", Page::WebTags,
     QT_TRANSLATE_NOOP("velko::Form", "og:site_name"),
     QT_TRANSLATE_NOOP("velko::Form", "Name of the whole site"), false},
    {Field::OgLocale, "OgLocale", "og:locale", Page::WebTags,
     QT_TRANSLATE_NOOP("velko::Form", "og:locale"),
     QT_TRANSLATE_NOOP("velko::Form", "Language and region, such as en_US"), false},
    {Field::TwitterSite, "TwitterSite", "twitter:site", Page::WebTags,
     QT_TRANSLATE_NOOP("velko::Form", "twitter:site"),
     QT_TRANSLATE_NOOP("velko::Form", "The site's account, such as @harbordale"), false},
    {Field::TwitterCreator, "TwitterCreator", "twitter:creator", Page::WebTags,
     QT_TRANSLATE_NOOP("velko::Form", "twitter:creator"),
     QT_TRANSLATE_NOOP("velko::Form", "The author's account"), false},
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
constexpr const char *kViewportItems[] = {"width=device-width, initial-scale=1"};
constexpr const char *kOgTypeItems[] = {"website", "article",     "profile",
                                        "book",    "video.movie", "music.song"};
constexpr const char *kTwitterCardItems[] = {"summary", "summary_large_image"};

constexpr ListEntry kLists[] = {
    {List::Distribution, "Distribution", "Distribution", Page::General,
     QT_TRANSLATE_NOOP("velko::Form", "Distribution"),
     QT_TRANSLATE_NOOP("velko::Form", "Entry points"), kDistributionItems},
    {List::Robot, "Robot", "Robot", Page::General, QT_TRANSLATE_NOOP("velko::Form", "Robot"),
     QT_TRANSLATE_NOOP("velko::Form", "Restrict or allow spiders"), kRobotItems},
    {List::Rating, "Rating", "Rating", Page::General, QT_TRANSLATE_NOOP("velko::Form", "Rating"),
     QT_TRANSLATE_NOOP("velko::Form", "Content rating"), kRatingItems},
    {List::Charset, "Charset", "Charset", Page::Other, QT_TRANSLATE_NOOP("velko::Form", "Charset"),
     QT_TRANSLATE_NOOP("velko::Form", "Commonly ISO-8859-1"), kCharsetItems},
    // The control keeps its old name, cboLang.
    {List::Language, "Lang", "Language", Page::Other, QT_TRANSLATE_NOOP("velko::Form", "Language"),
     QT_TRANSLATE_NOOP("velko::Form", "The page's language"), kLanguageItems},
    {List::PageCaching, "PageCaching", "Page Caching", Page::Other,
     QT_TRANSLATE_NOOP("velko::Form", "Page Caching"),
     QT_TRANSLATE_NOOP("velko::Form", "Can stop browsers from caching page"), kPageCachingItems},
    {List::Viewport, "Viewport", "Viewport", Page::WebTags,
     QT_TRANSLATE_NOOP("velko::Form", "Viewport"),
     QT_TRANSLATE_NOOP("velko::Form", "How phones fit the page to their screen"), kViewportItems},
    {List::OgType, "OgType", "og:type", Page::WebTags, QT_TRANSLATE_NOOP("velko::Form", "og:type"),
     QT_TRANSLATE_NOOP("velko::Form", "Kind of content the page is"), kOgTypeItems},
    {List::TwitterCard, "TwitterCard", "twitter:card", Page::WebTags,
     QT_TRANSLATE_NOOP("velko::Form", "twitter:card"),
     QT_TRANSLATE_NOOP("velko::Form", "Layout of a shared link: summary or large picture"),
     kTwitterCardItems},
};
static_assert(std::size(kLists) == kListCount);

constexpr CheckEntry kChecks[] = {
    {Check::DCTitle, "DCTitle", Page::DublinCore, QT_TRANSLATE_NOOP("velko::Form", "Use Title"),
     QT_TRANSLATE_NOOP("velko::Form", "Name of the resource")},
    {Check::DCDescription, "DCDescription", Page::DublinCore,
     QT_TRANSLATE_NOOP("velko::Form", "Use Description"),
     QT_TRANSLATE_NOOP("velko::Form", "Account of the resource's content")},
    {Check::DCSubject, "DCSubject", Page::DublinCore,
     QT_TRANSLATE_NOOP("velko::Form", "Use Keywords"),
     QT_TRANSLATE_NOOP("velko::Form", "Topic of the resource's content")},
    {Check::TitleComments, "TitleComments", Page::Other,
     QT_TRANSLATE_NOOP("velko::Form", "Use Title as Comment"), ""},
    {Check::KeywordsComments, "KeywordsComments", Page::Other,
     QT_TRANSLATE_NOOP("velko::Form", "Use Keywords as Comment"), ""},
    {Check::DescriptionComments, "DescriptionComments", Page::Other,
     QT_TRANSLATE_NOOP("velko::Form", "Use Description as Comment"), ""},
    {Check::DeclareUtf8, "DeclareUtf8", Page::WebTags,
     QT_TRANSLATE_NOOP("velko::Form", "Declare UTF-8"),
     QT_TRANSLATE_NOOP("velko::Form", "Tells browsers the page is in UTF-8")},
    {Check::FillOpenGraph, "FillOpenGraph", Page::WebTags,
     QT_TRANSLATE_NOOP("velko::Form", "Fill Open Graph from General Tags"),
     QT_TRANSLATE_NOOP(
         "velko::Form",
         "An empty og:title, og:description or og:url takes Title, Description or Canonical URL")},
};
static_assert(std::size(kChecks) == kCheckCount);

// A stable name is an identifier: letters and digits, a letter first.
constexpr bool isIdentifier(std::string_view id) {
    const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    if (id.empty() || !letter(id.front()))
        return false;
    return std::all_of(id.begin(), id.end(),
                       [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

// Each table follows its enum, and its stable names are identifiers, each
// given once.
template <typename Entry, typename Kind>
constexpr bool followsItsEnum(std::span<const Entry> table, Kind Entry::*kind) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (std::size_t(table[i].*kind) != i || !isIdentifier(table[i].id))
            return false;
        for (std::size_t j = 0; j < i; ++j)
            if (std::string_view(table[j].id) == table[i].id)
                return false;
    }
    return true;
}
static_assert(followsItsEnum<FieldEntry>(kFields, &FieldEntry::field));
static_assert(followsItsEnum<ListEntry>(kLists, &ListEntry::list));
static_assert(followsItsEnum<CheckEntry>(kChecks, &CheckEntry::check));

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

QString formText(const char *source) {
    return QCoreApplication::translate("velko::Form", source);
}

QString pageTitle(Page page) {
    static constexpr const char *kTitles[] = {
        "", // Page::None
        QT_TRANSLATE_NOOP("velko::Form", "General Tags"),
        QT_TRANSLATE_NOOP("velko::Form", "D.C. Tags"),
        QT_TRANSLATE_NOOP("velko::Form", "Other Tags"),
        QT_TRANSLATE_NOOP("velko::Form", "Web Tags"),
        QT_TRANSLATE_NOOP("velko::Form", "Generated Tags"),
        QT_TRANSLATE_NOOP("velko::Form", "HTML File"),
    };
    static_assert(std::size(kTitles) == kPageCount + 1);
    return formText(kTitles[int(page)]);
}

QString objectNameOf(Field field) {
    return QStringLiteral("HTMLText_") + QLatin1StringView(fieldEntry(field).id);
}
QString objectNameOf(List list) {
    return QStringLiteral("cbo") + QLatin1StringView(listEntry(list).id);
}
QString objectNameOf(Check check) {
    return QStringLiteral("chk") + QLatin1StringView(checkEntry(check).id);
}

} // namespace velko
