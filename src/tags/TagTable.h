#pragma once

// Every tag Velko writes or reads, one row each, in the order of the tag
// block. The builder writes the rows; the reader, the updater and the checker
// find them in pages by their kinds (TagKinds.h, TagMatch.h), and the checker's rules
// name the tags they look at by their rows (tagRowOf). A new tag is a row here
// and, when it has a control of its own, a row in the field catalogue.

#include "fields/FieldCatalogue.h"

#include <QLatin1StringView>
#include <QString>
#include <span>

namespace velko {

enum class Element { Title, Meta, Link, Comment };

// Where a row's value comes from, which also decides whether it is written.
enum class Source {
    Text,     // the field, when it is not empty
    Refresh,  // seconds "; url=" address, when both are filled in
    Choice,   // the list's chosen item, or the text typed into it
    NoCache,  // "no-cache" when the Page Caching list has item 1 chosen, or typed text
    CheckBox, // the field, whenever the box is checked (even when empty)
    Fixed,    // no value: the key alone, whenever the box is checked
    Fallback, // the field, or when it is empty and the box is checked, the fallback field
};

struct TagRow {
    Element element;
    // The attribute and value that tell this tag from the others of its
    // element ("name", "keywords"); empty for the title and comments.
    QLatin1StringView keyAttribute;
    QLatin1StringView keyValue;
    // The attribute that holds the value ("content", "href"); empty for a tag
    // that is all key (<meta charset="utf-8">).
    QLatin1StringView valueAttribute;
    // Written before the value inside that attribute.
    QLatin1StringView valuePrefix;
    Source source;
    Field field = Field::Spare;
    List list = List::Distribution;
    Check check = Check::DCTitle;
    // The control that reading a page fills from this tag: a text field or
    // slot takes the value, a list the item the value names or else the value
    // as typed text, a check box is checked. None when the reader leaves the
    // tag alone.
    Control readInto = {};
    Field fallback = Field::Spare;
    // Another spelling of the key's value that pages use, read but never
    // written: charset="utf8". (Pages key Open Graph and Twitter tags by
    // name= or property= alike; TagKinds.h takes both as one.)
    QLatin1StringView otherKeyValue = {};
    // One of the fields each page of a site has its own value for (its
    // title, description and addresses), or a copy of one: --keep-page-fields
    // and Update Tags In Files leave these tags of each page alone.
    bool pageOwn = false;
};

// The rows in block order.
std::span<const TagRow> tagRows();

// The first row that writes `field`, or else that reading a page fills it
// from (the refresh row for Field::RefreshSlot); the first row that writes
// `list`. A field or list without a row is a fault of the table: fatal.
const TagRow &tagRowOf(Field field);
const TagRow &tagRowOf(List list);

// Dublin Core names as "DC.Title" (everywhere) or "DC.title" (Save File As).
enum class DcNameCase { Capitalised, LowerCase };

// The row's key value as written: "DC.title" for DC.Title in lower case.
QString writtenKeyValue(const TagRow &row, DcNameCase dcCase);

} // namespace velko
