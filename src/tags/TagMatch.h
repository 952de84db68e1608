#pragma once

// Which row of the tag table a tag of a page stands for. The reader, the
// updater and the checker find the table's tags in pages through this.

#include "page/PageScanner.h"
#include "tags/TagTable.h"

namespace velko {

// True when `holds(attribute, value)` says a tag has the row's key or its
// other key.
template <typename Holds> bool hasKeyOf(const TagRow &row, Holds holds) {
    if (holds(row.keyAttribute, row.keyValue))
        return true;
    const bool otherKey = !row.otherKeyAttribute.isEmpty() || !row.otherKeyValue.isEmpty();
    return otherKey &&
           holds(row.otherKeyAttribute.isEmpty() ? row.keyAttribute : row.otherKeyAttribute,
                 row.otherKeyValue.isEmpty() ? row.keyValue : row.otherKeyValue);
}

// The row of a title, meta or link start tag: the title row for a title; for
// a meta or link tag the first row whose key attribute holds the row's key
// value, in any ASCII case and with blanks around it ("DC.title" is
// DC.Title), or the row's other key. Nullptr for every other tag and for
// comments.
template <typename View> const TagRow *rowOfTag(View page, const PageToken &token) {
    if (token.kind != PageToken::Kind::StartTag)
        return nullptr;
    Element element;
    switch (token.tag) {
    case TagName::Title:
        element = Element::Title;
        break;
    case TagName::Meta:
        element = Element::Meta;
        break;
    case TagName::Link:
        element = Element::Link;
        break;
    default:
        return nullptr;
    }
    const auto holds = [&](QLatin1StringView attribute, QLatin1StringView value) {
        const Attribute *key = findAttribute(page, token, attribute);
        return key && nameIs(page, trimmedSpan(page, key->value), value);
    };
    for (const TagRow &row : tagRows()) {
        if (row.element != element)
            continue;
        if (element == Element::Title || hasKeyOf(row, holds))
            return &row;
    }
    return nullptr;
}

} // namespace velko
