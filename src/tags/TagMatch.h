#pragma once

// The kinds of a page's tags (TagKinds.h) and the rows of the tag table they
// stand for. The reader, the updater and the checker find the table's tags in
// pages through this.

#include "page/PageScanner.h"
#include "tags/TagKinds.h"
#include "tags/TagTable.h"

#include <vector>

namespace velko {

// True when `holds(attribute, value)` says a tag has the row's key or its
// other spelling.
template <typename Holds> bool hasKeyOf(const TagRow &row, Holds holds) {
    return holds(row.keyAttribute, row.keyValue) ||
           (!row.otherKeyValue.isEmpty() && holds(row.keyAttribute, row.otherKeyValue));
}

// A key of the page as text: keys are ASCII, so bytes are taken as Latin-1.
inline QString keyText(QStringView page, Span span) {
    return sliceOf(page, span).toString();
}
inline QString keyText(QByteArrayView page, Span span) {
    return QString::fromLatin1(sliceOf(page, span));
}

// The kinds of a title, meta or link start tag, each once; none for other
// tags and for comments. A link has a kind for each word of its rel.
template <typename View> std::vector<TagKind> kindsOfTag(View page, const PageToken &token) {
    std::vector<TagKind> kinds;
    if (token.kind != PageToken::Kind::StartTag)
        return kinds;
    const auto add = [&kinds](TagKind kind) {
        if (std::find(kinds.begin(), kinds.end(), kind) == kinds.end())
            kinds.push_back(std::move(kind));
    };
    using L = QLatin1StringView;
    switch (token.tag) {
    case TagName::Title:
        kinds.push_back({KeySpace::Title});
        break;
    case TagName::Meta:
        for (const L attribute : {L("charset"), L("http-equiv"), L("name"), L("property")})
            if (const Attribute *key = findAttribute(page, token, attribute))
                if (attribute == L("charset") || trimmedSpan(page, key->value).length > 0)
                    add(kindOfKey(attribute, keyText(page, key->value)));
        break;
    case TagName::Link:
        if (const Attribute *rev = findAttribute(page, token, L("rev")))
            add(kindOfKey(L("rev"), keyText(page, rev->value)));
        if (const Attribute *rel = findAttribute(page, token, L("rel")))
            for (const QString &word : keyText(page, rel->value).split(u' ', Qt::SkipEmptyParts))
                add(kindOfKey(L("rel"), word));
        break;
    default:
        break;
    }
    return kinds;
}

// The attribute that makes a tag a variant of its kind (TagKinds.h), when
// it has one with a value; empty otherwise.
template <typename View> QLatin1StringView variantOf(View page, const PageToken &token) {
    for (const QLatin1StringView name : kVariantAttributes)
        if (const Attribute *attribute = findAttribute(page, token, name))
            if (trimmedSpan(page, attribute->value).length > 0)
                return name;
    return {};
}

// True when the space-separated words of `value` hold `word`, in any ASCII
// case (rel="Shortcut Icon").
template <typename View> bool wordsHold(View page, Span value, QLatin1StringView word) {
    const qsizetype end = value.end();
    for (qsizetype at = value.start; at < end;) {
        while (at < end && isHtmlSpace(unitAt(page, at)))
            ++at;
        const qsizetype start = at;
        while (at < end && !isHtmlSpace(unitAt(page, at)))
            ++at;
        if (at > start && nameIs(page, {start, at - start}, word))
            return true;
    }
    return false;
}

// True when a title, meta or link start tag is of the row's kind; for the
// charset declaration rows, when it has the row's exact key (<meta
// charset="utf-8"> is Declare UTF-8, a content-type http-equiv the Charset
// list).
template <typename View> bool isOfRow(View page, const PageToken &token, const TagRow &row) {
    using L = QLatin1StringView;
    const auto holds = [&](L attribute, L value) {
        const Attribute *key = findAttribute(page, token, attribute);
        return key && nameIs(page, trimmedSpan(page, key->value), value);
    };
    switch (row.element) {
    case Element::Title:
        return token.tag == TagName::Title;
    case Element::Comment:
        return false;
    case Element::Meta:
        if (token.tag != TagName::Meta)
            return false;
        if (row.keyAttribute == L("name") || row.keyAttribute == L("property"))
            return holds(L("name"), row.keyValue) || holds(L("property"), row.keyValue);
        return hasKeyOf(row, holds);
    case Element::Link:
        if (token.tag != TagName::Link)
            return false;
        if (row.keyAttribute == L("rel")) {
            const Attribute *rel = findAttribute(page, token, L("rel"));
            return rel && wordsHold(page, rel->value, row.keyValue);
        }
        return hasKeyOf(row, holds);
    }
    return false;
}

// The rows a title, meta or link start tag is read into, in table order
// (isOfRow); none for other tags and comments.
template <typename View> std::vector<const TagRow *> rowsOfTag(View page, const PageToken &token) {
    std::vector<const TagRow *> rows;
    if (token.kind != PageToken::Kind::StartTag)
        return rows;
    for (const TagRow &row : tagRows())
        if (isOfRow(page, token, row))
            rows.push_back(&row);
    return rows;
}

// The first of rowsOfTag, or nullptr.
template <typename View> const TagRow *rowOfTag(View page, const PageToken &token) {
    const std::vector<const TagRow *> rows = rowsOfTag(page, token);
    return rows.empty() ? nullptr : rows.front();
}

} // namespace velko
