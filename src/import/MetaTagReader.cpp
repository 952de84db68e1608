#include "import/MetaTagReader.h"

#include "base/AsciiCase.h"
#include "page/PageCharset.h"
#include "page/PageHead.h"
#include "tags/TagMatch.h"
#include "tags/TagValues.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace velko {

namespace {

QString item(List list, int index) {
    return QString::fromLatin1(listEntry(list).items[index]);
}

// Turns the slots into the refresh row, list choices and check boxes. A
// list set from a slot chooses the item the slot holds in any ASCII case,
// the charset list the item the content type names, and takes what names
// none as typed text, so that the form writes the page's tags back as they
// are.
void applySlots(FormValue &form) {
    const RefreshParts refresh = refreshParts(form[Field::RefreshSlot]);
    form[Field::RefreshSeconds] = refresh.seconds;
    form[Field::RefreshUrl] = refresh.url;
    for (const TagRow &row : tagRows()) {
        const bool slot = row.readInto.kind == Control::Kind::Text && row.readInto.id != 0;
        if (row.source == Source::Choice && slot) {
            QString text = form[Field(row.readInto.id)].trimmed();
            if (row.list == List::Charset)
                text = charsetNamedIn(text).toString();
            form[row.list] = text.isEmpty() ? ListValue{} : listValueNamed(row.list, text);
        } else if (row.source == Source::CheckBox && row.element == Element::Meta && slot) {
            // A Dublin Core copy checks its box only when it repeats its
            // field: the form cannot write another value for it.
            const QString &copy = form[Field(row.readInto.id)];
            if (!copy.isEmpty() && copy == form[row.field])
                form[row.check] = true;
        }
    }
    // Caching is the default item, so only "no-cache" chooses an item.
    const QString &pragma = form[Field::PragmaSlot];
    form[List::PageCaching] = equalsAsciiCaseless(pragma, QLatin1StringView("NO-CACHE"))
                                  ? ListValue{1, item(List::PageCaching, 1)}
                                  : ListValue{-1, pragma.trimmed()};
}

// Conditional comments ("<!--[if IE]>...<![endif]-->", "<!--<![endif]-->")
// are markup for old browsers, not comments on the page.
template <typename View> bool isConditional(View page, Span text) {
    const Span content = trimmedSpan(page, text);
    const QLatin1StringView endif("<![endif]");
    return wordAt(page, content.start, QLatin1StringView("[if")) ||
           (content.length >= endif.size() && wordAt(page, content.end() - endif.size(), endif));
}

// Fills `control` from a tag of its row: a field or list from the value
// attribute, when the tag has one; a check box by the tag alone.
template <typename View, typename Decode>
void readInto(Control control, View page, const PageToken &tag, QLatin1StringView valueAttribute,
              FormValue &form, Decode decode) {
    if (control.kind == Control::Kind::Check) {
        form[Check(control.id)] = true;
        return;
    }
    const Attribute *value = findAttribute(page, tag, valueAttribute);
    if (!value)
        return;
    QString text = valueAsRead(decode(sliceOf(page, value->value)), true);
    if (control.kind == Control::Kind::List)
        form[List(control.id)] = listValueNamed(List(control.id), std::move(text));
    else
        form[Field(control.id)] = std::move(text);
}

// The head's tags, as the updater finds them (PageHead.h): the first tag of
// each row's kind counts, so that a page updated with the form it reads
// keeps its later tags as they are (of the charset declarations, the one
// browsers heed); a property of an Open Graph array counts only in the
// array's first item, the one the form describes. The Comments
// field takes the last comment that copies no field. A page without a head
// tag is read up to its first body tag.
template <typename View, typename Decode> void readTags(View page, FormValue &form, Decode decode) {
    const PageHead head = findHead(page);
    const auto walk = [&](auto visit) {
        if (head.found()) {
            walkHead(page, head, visit);
            return;
        }
        scanOutsideTemplates(page, [&](const PageToken &token) {
            const bool start = token.kind == PageToken::Kind::StartTag;
            if ((start && token.tag == TagName::Body) ||
                (token.kind == PageToken::Kind::EndTag && token.tag == TagName::Head))
                return false;
            return visit(token);
        });
    };
    // The charset declaration browsers heed, and the update with them: the
    // first naming a label they know, else the first naming any.
    qsizetype charsetAt = -1;
    walk([&](const PageToken &token) {
        const Span name = declaredCharsetSpan(page, token);
        if (name.start < 0)
            return true;
        const bool known = Encoding::fromLabel(decode(sliceOf(page, name)).toLatin1()).has_value();
        if (charsetAt < 0 || known)
            charsetAt = token.whole.start;
        return !known;
    });
    std::vector<bool> done(tagRows().size());
    std::vector<QString> comments;
    std::vector<QLatin1StringView> itemsSeen; // the arrays whose second item has begun
    std::vector<QLatin1StringView> itemsOpen; // the arrays whose first item has begun
    const auto visit = [&](const PageToken &token) {
        if (token.kind == PageToken::Kind::Comment) {
            if (!isConditional(page, token.text))
                comments.push_back(valueAsRead(decode(sliceOf(page, token.text)), false));
            return true;
        }
        // A variant (a theme colour per media) is not the value the form holds.
        if (!variantOf(page, token).isEmpty())
            return true;
        for (const TagRow *row : rowsOfTag(page, token)) {
            const TagKind &kind = kindOf(*row);
            if (isArrayItem(kind)) {
                const QLatin1StringView key(row->keyValue);
                if (std::find(itemsOpen.begin(), itemsOpen.end(), key) != itemsOpen.end())
                    itemsSeen.push_back(key);
                itemsOpen.push_back(key);
            }
            const QLatin1StringView array = itemOf(kind);
            if (!array.isEmpty() &&
                std::find(itemsSeen.begin(), itemsSeen.end(), array) != itemsSeen.end())
                continue;
            // Only that declaration sets the form's charset; in a tag with a
            // charset attribute and a content type, the attribute counts.
            if (kind.space == KeySpace::Charset &&
                (token.whole.start != charsetAt ||
                 (row->valueAttribute == QLatin1StringView("content") &&
                  findAttribute(page, token, QLatin1StringView("charset")))))
                continue;
            const size_t index = size_t(row - tagRows().data());
            if (done[index])
                continue;
            done[index] = true;
            if (row->element == Element::Title)
                form[Field::Title] = valueAsRead(decode(sliceOf(page, token.text)), false);
            else if (row->readInto)
                readInto(row->readInto, page, token, row->valueAttribute, form, decode);
        }
        return true;
    };
    walk(visit);
    for (auto comment = comments.rbegin(); comment != comments.rend(); ++comment) {
        if (*comment != form[Field::Title] && *comment != form[Field::Keywords] &&
            *comment != form[Field::Description]) {
            form[Field::Comments] = *comment;
            break;
        }
    }
    applySlots(form);
}

} // namespace

void readMetaTags(QStringView text, FormValue &form) {
    readTags(text, form, [](QStringView value) { return value.toString(); });
}

void readMetaTags(QByteArrayView bytes, const Encoding &encoding, FormValue &form) {
    // decodeText drops the byte-order mark, so the bytes start where its text does.
    const QByteArrayView mark = encoding.byteOrderMark();
    if (!mark.isEmpty() && bytes.startsWith(mark))
        bytes = bytes.sliced(mark.size());
    if (!encoding.isAsciiCompatible()) {
        readMetaTags(QStringView(decodeAs(bytes, encoding)), form);
        return;
    }
    readTags(bytes, form, [&encoding](QByteArrayView value) { return decodeAs(value, encoding); });
}

} // namespace velko
