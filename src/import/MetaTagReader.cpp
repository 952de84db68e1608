#include "import/MetaTagReader.h"

#include "base/AsciiCase.h"
#include "tags/TagMatch.h"

#include <utility>
#include <vector>

namespace velko {

namespace {

QStringView trimBlanks(QStringView text) {
    while (text.startsWith(u' '))
        text = text.sliced(1);
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

// A value spread over several lines reads as one line: each line break (CR LF,
// lone CR, lone LF) becomes one blank. One pass in place, where
// QString::replace would move the rest of a long value again and again.
void joinLines(QString &value) {
    QChar *const begin = value.data();
    const QChar *const end = begin + value.size();
    QChar *out = begin;
    for (const QChar *in = begin; in != end; ++in) {
        if (*in == u'\r' && in + 1 != end && in[1] == u'\n')
            continue; // the LF writes the blank
        *out++ = *in == u'\r' || *in == u'\n' ? QChar(u' ') : *in;
    }
    value.truncate(out - begin);
}

// Each "&quot;" as the double quote it stands for; built piece by piece for
// the same reason as joinLines. Other entities stay as written, since the
// builder writes values back unchanged.
QString unescapedQuotes(QStringView text) {
    static constexpr QStringView escaped = u"&quot;";
    QString out;
    out.reserve(text.size());
    qsizetype from = 0;
    for (qsizetype at; (at = text.indexOf(escaped, from)) >= 0; from = at + escaped.size()) {
        out.append(text.sliced(from, at - from));
        out.append(u'"');
    }
    out.append(text.sliced(from));
    return out;
}

QString cleaned(QString value, bool attribute) {
    joinLines(value);
    const QStringView text = trimBlanks(value);
    return attribute ? unescapedQuotes(text) : text.toString();
}

// Lists set from a slot, each item choosing itself when the slot holds its
// text: the whole text, or for the charset and the language anywhere in it
// ("text/html; charset=iso-8859-1", "en-us"). Pages name the ISO charsets
// without "iso-" too, so that prefix is left out of the comparison; and since
// iso-8859-1 comes before the other ISO charsets, it also takes iso-8859-10
// to 8859-16.
struct Choice {
    List list;
    Field slot;
    bool anywhere;
    std::vector<QLatin1StringView> words;
};

const std::vector<Choice> &choices() {
    static const std::vector<Choice> all = [] {
        std::vector<Choice> built;
        for (const TagRow &row : tagRows()) {
            if (row.source != Source::Choice || row.readInto.kind != Control::Kind::Text)
                continue;
            const bool anywhere = row.list == List::Charset || row.list == List::Language;
            Choice choice{row.list, Field(row.readInto.id), anywhere, {}};
            for (const char *item : listEntry(row.list).items) {
                QLatin1StringView word(item);
                if (word.startsWith(QLatin1StringView("iso-")))
                    word = word.sliced(4);
                choice.words.push_back(word);
            }
            built.push_back(std::move(choice));
        }
        return built;
    }();
    return all;
}

ListValue item(List list, int index) {
    return {index, QString::fromLatin1(listEntry(list).items[index])};
}

// A list read straight from its tag: the item the value names, in any ASCII
// case, or else the value as typed text.
ListValue listValue(List list, QString value) {
    const auto items = listEntry(list).items;
    for (int i = 0; i < int(items.size()); ++i) {
        if (equalsAsciiCaseless(value, QLatin1StringView(items[i])))
            return item(list, i);
    }
    return {-1, std::move(value)};
}

void splitRefresh(FormValue &form) {
    const QStringView refresh = form[Field::RefreshSlot];
    const qsizetype semicolon = refresh.indexOf(u';');
    QStringView seconds;
    QStringView url;
    if (semicolon >= 0) {
        seconds = refresh.first(semicolon);
        url = refresh.sliced(semicolon + 1);
        while (url.startsWith(u' '))
            url = url.sliced(1);
        const QLatin1StringView urlIs("URL=");
        if (startsWithAsciiCaseless(url, urlIs))
            url = url.sliced(urlIs.size());
    }
    form[Field::RefreshSeconds] = seconds.toString();
    form[Field::RefreshUrl] = url.toString();
}

// Turns the slots into the refresh row, list choices and check boxes.
// What a list shows of a slot that names none of its items: the slot's text,
// or for the charset the name after "charset=".
ListValue typedText(List list, QStringView slot) {
    if (list == List::Charset) {
        const QLatin1StringView charsetIs("charset=");
        qsizetype last = -1;
        for (qsizetype at; (at = indexOfAsciiCaseless(slot, charsetIs, last + 1)) >= 0;)
            last = at;
        if (last >= 0)
            slot = slot.sliced(last + charsetIs.size());
    }
    return {-1, slot.trimmed().toString()};
}

// Turns the slots into the refresh row, list choices and check boxes.
void applySlots(FormValue &form) {
    splitRefresh(form);
    for (const Choice &choice : choices()) {
        const QString &text = form[choice.slot];
        form[choice.list] = typedText(choice.list, text);
        for (int i = 0; i < int(choice.words.size()); ++i) {
            if (choice.anywhere ? containsAsciiCaseless(text, choice.words[i])
                                : equalsAsciiCaseless(text, choice.words[i])) {
                form[choice.list] = item(choice.list, i);
                break;
            }
        }
    }
    // The language text stays in the Other Language box, and only when no
    // listed language matched it.
    if (form[List::Language].index >= 0)
        form[Field::OtherLanguage].clear();
    else
        form[List::Language] = {};
    // Caching is the default item, so only "no-cache" chooses an item.
    form[List::PageCaching] =
        equalsAsciiCaseless(form[Field::PragmaSlot], QLatin1StringView("NO-CACHE"))
            ? item(List::PageCaching, 1)
            : typedText(List::PageCaching, form[Field::PragmaSlot]);
    constexpr std::pair<Field, Check> kDublinCoreBoxes[] = {
        {Field::DCTitleSlot, Check::DCTitle},
        {Field::DCDescriptionSlot, Check::DCDescription},
        {Field::DCSubjectSlot, Check::DCSubject},
    };
    for (const auto &[slot, check] : kDublinCoreBoxes) {
        if (!form[slot].isEmpty())
            form[check] = true;
    }
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
    QString text = cleaned(decode(sliceOf(page, value->value)), true);
    if (control.kind == Control::Kind::List)
        form[List(control.id)] = listValue(List(control.id), std::move(text));
    else
        form[Field(control.id)] = std::move(text);
}

// One pass over the page's tags. The first title counts; of the meta tags of
// a row the last one wins; the Comments field takes the last comment before
// the end of the head.
template <typename View, typename Decode> void readTags(View page, FormValue &form, Decode decode) {
    bool titleRead = false;
    bool headEnded = false;
    scanPage(page, [&](const PageToken &token) {
        if (token.kind == PageToken::Kind::Comment) {
            if (!headEnded && !isConditional(page, token.text))
                form[Field::Comments] = cleaned(decode(sliceOf(page, token.text)), false);
            return true;
        }
        const bool endTag = token.kind == PageToken::Kind::EndTag;
        switch (token.tag) {
        case TagName::Head:
        case TagName::Body:
            headEnded = headEnded || endTag == (token.tag == TagName::Head);
            break;
        case TagName::Title:
            if (!endTag && !titleRead)
                form[Field::Title] = cleaned(decode(sliceOf(page, token.text)), false);
            titleRead = titleRead || !endTag;
            break;
        case TagName::Meta:
        case TagName::Link:
            if (const TagRow *row = rowOfTag(page, token); row && row->readInto)
                readInto(row->readInto, page, token, row->valueAttribute, form, decode);
            break;
        default:
            break;
        }
        return true;
    });
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
