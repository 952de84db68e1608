#pragma once

// The tag form's catalogue: every text field, choice list and check box, with
// the page it sits on and the texts a user sees. Everything else in Velko names
// controls through the enums below and reads their texts from these tables.
// Labels, tooltips, captions and page titles are English source texts marked
// for translation; formText() gives one in the user's language. Names, stable
// names and list items are used as they are: names are the keys of form files
// (check boxes are keyed by their English caption), list items go into tags.
//
// A control is known by its row, never by its place. Its stable name `id` is
// the enum's own identifier ("Title", "RefreshSeconds", "OgTitle") and makes
// its object name; form files key it by its name, screen readers by its label.
// An enum's number only indexes arrays in memory (FormValue, the window's
// controls), so a row may go anywhere and renames no other control. Form
// files and the form template list the keys in table order.

#include <QString>
#include <array>
#include <span>

namespace velko {

// Text fields, hidden slots and the spare slot. Slots are hidden fields that
// stage values read from a page for the lists, check boxes and refresh row.
// Each enum ends in Count, which is no control but the number of them.
enum class Field : int {
    Spare,
    Title,
    Keywords,
    Description,
    Author,
    Email,
    Copyright,
    RevisitAfter,
    RefreshSlot,
    RefreshSeconds,
    RefreshUrl,
    Expires,
    RobotsSlot,
    RatingSlot,
    ContentTypeSlot,
    OtherLanguage,
    DistributionSlot,
    DCTitleSlot,
    DCDescriptionSlot,
    DCCreator,
    DCSubjectSlot,
    DCPublisher,
    DCContributors,
    DCDate,
    DCType,
    DCFormat,
    DCIdentifier,
    DCSource,
    DCLanguage,
    DCRelation,
    DCCoverage,
    DCRights,
    PragmaSlot,
    Generator,
    WindowTarget,
    Abstract,
    Comments,
    CanonicalUrl,
    ThemeColour,
    OgTitle,
    OgDescription,
    OgUrl,
    OgImage,
    OgImageAlt,
    OgSiteName,
    OgLocale,
    TwitterSite,
    TwitterCreator,
    Count
};
inline constexpr int kFieldCount = int(Field::Count);

enum class List : int {
    Distribution,
    Robot,
    Rating,
    Charset,
    Language,
    PageCaching,
    Viewport,
    OgType,
    TwitterCard,
    Count
};
inline constexpr int kListCount = int(List::Count);

enum class Check : int {
    DCTitle,
    DCDescription,
    DCSubject,
    TitleComments,
    KeywordsComments,
    DescriptionComments,
    DeclareUtf8,
    FillOpenGraph,
    Count
};
inline constexpr int kCheckCount = int(Check::Count);

// Tab pages, numbered from 1 as the tabs are. Hidden fields have no page.
enum class Page : int { None, General, DublinCore, Other, WebTags, GeneratedTags, HtmlFile };
inline constexpr int kPageCount = 6;
// The pages that hold the form's controls, General Tags to Web Tags.
inline constexpr int kFormPageCount = 4;

struct FieldEntry {
    Field field;
    const char *id;      // stable name; the control is "HTMLText_<id>"
    const char *name;    // the field's name, also its key in form files
    Page page;           // Page::None for the hidden slots
    const char *label;   // text beside the control
    const char *tooltip; // empty for the hidden slots
    bool multiLine;
};

struct ListEntry {
    List list;
    const char *id; // stable name; the control is "cbo<id>"
    const char *name;
    Page page;
    const char *label;
    const char *tooltip;
    std::span<const char *const> items;
};

struct CheckEntry {
    Check check;
    const char *id; // stable name; the control is "chk<id>"
    Page page;
    const char *caption;
    const char *tooltip; // empty when the box has none
};

const FieldEntry &fieldEntry(Field field);
const ListEntry &listEntry(List list);
const CheckEntry &checkEntry(Check check);

// Every row of each table, in enum order.
std::span<const FieldEntry> allFields();
std::span<const ListEntry> allLists();
std::span<const CheckEntry> allChecks();

// A label, tooltip or caption of the tables, translated for display.
QString formText(const char *source);

// A tab's caption, translated.
QString pageTitle(Page page);

// A control's object name, made from its stable name: "HTMLText_Title",
// "cboRobot", "chkDCTitle".
QString objectNameOf(Field field);
QString objectNameOf(List list);
QString objectNameOf(Check check);

constexpr int indexOf(Field field) {
    return static_cast<int>(field);
}
constexpr int indexOf(List list) {
    return static_cast<int>(list);
}
constexpr int indexOf(Check check) {
    return static_cast<int>(check);
}

// A control of the form: a text field (or slot), a list or a check box.
struct Control {
    enum class Kind { None, Text, List, Check };
    Kind kind = Kind::None;
    int id = 0;

    static constexpr Control text(Field f) { return {Kind::Text, indexOf(f)}; }
    static constexpr Control list(List l) { return {Kind::List, indexOf(l)}; }
    static constexpr Control check(Check c) { return {Kind::Check, indexOf(c)}; }
    explicit constexpr operator bool() const { return kind != Kind::None; }
};

} // namespace velko
