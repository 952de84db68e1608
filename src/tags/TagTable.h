#pragma once

// Every tag Velko writes or reads, one row each, in the order of the tag
// block. The builder writes the rows; the reader, the updater and the checker
// find them in pages by the same rows. A new tag is a row here and, when it
// has a control of its own, a row in the field catalogue.

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
};

struct TagRow {
    Element element;
    // The attribute and value that tell this tag from the others of its
    // element ("name", "keywords"); empty for the title and comments.
    QLatin1StringView keyAttribute;
    QLatin1StringView keyValue;
    // The attribute that holds the value ("content", "href").
    QLatin1StringView valueAttribute;
    // Written before the value inside that attribute.
    QLatin1StringView valuePrefix;
    Source source;
    Field field = Field::Spare;
    List list = List::Distribution;
    Check check = Check::DCTitle;
    // The text field or slot that reading a page fills from this tag;
    // Field::Spare when the reader leaves the tag alone.
    Field readInto = Field::Spare;
};

// The rows in block order.
std::span<const TagRow> tagRows();

// Dublin Core names as "DC.Title" (everywhere) or "DC.title" (Save File As).
enum class DcNameCase { Capitalised, LowerCase };

// The row's key value as written: "DC.title" for DC.Title in lower case.
QString writtenKeyValue(const TagRow &row, DcNameCase dcCase);

} // namespace velko
