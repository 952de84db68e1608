#include "import/MetaTagReader.h"

#include "tags/TagTable.h"
#include "text/AsciiCase.h"

#include <array>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velko {

namespace {

enum class Kind { Element, Attribute, Comment };

// A key's markers, upper case. Each starts with a character that has no case,
// so a plain character search finds every place one can start.
struct Tag {
    Field field;
    Kind kind;
    std::string open;
    std::string close;
};

struct TagTable {
    std::vector<Tag> all;
    // The tags by the upper-cased character behind their "<", so that a "<"
    // is compared only with the few keys that can start there.
    std::array<std::vector<const Tag *>, 128> byNextCharacter;
};

std::string upper(QLatin1StringView text) {
    std::string out(text.data(), size_t(text.size()));
    for (char &c : out)
        c = char(asciiUpper(char16_t(c)));
    return out;
}

// Each row that reading fills, as the exact text Velko writes for it.
const TagTable &tagTable() {
    static const TagTable table = [] {
        TagTable built;
        for (const TagRow &row : tagRows()) {
            if (row.readInto == Field::Spare)
                continue;
            switch (row.element) {
            case Element::Title:
                built.all.push_back({row.readInto, Kind::Element, "<TITLE>", "</TITLE>"});
                break;
            case Element::Comment:
                built.all.push_back({row.readInto, Kind::Comment, "<!--", "-->"});
                break;
            case Element::Meta:
            case Element::Link:
                built.all.push_back({row.readInto, Kind::Attribute,
                                     (row.element == Element::Meta ? "<META " : "<LINK ") +
                                         upper(row.keyAttribute) + "=\"" + upper(row.keyValue) +
                                         "\" " + upper(row.valueAttribute) + "=",
                                     ">"});
                break;
            }
        }
        for (const Tag &tag : built.all)
            built.byNextCharacter[static_cast<unsigned char>(tag.open[1])].push_back(&tag);
        return built;
    }();
    return table;
}

// The page as UTF-16 text or as encoded bytes: the markers are ASCII, and in
// UTF-8 and Windows-1252 alike an ASCII byte always stands for itself.
char16_t unitAt(QStringView text, qsizetype at) {
    return text[at].unicode();
}
char16_t unitAt(QByteArrayView bytes, qsizetype at) {
    return static_cast<unsigned char>(bytes[at]);
}
qsizetype indexOfUnit(QStringView text, char unit, qsizetype from) {
    return text.indexOf(QLatin1Char(unit), from);
}
// memchr straight away: the markup search calls this for every "<" of the
// page, where the general byte search costs more than the search itself.
qsizetype indexOfUnit(QByteArrayView bytes, char unit, qsizetype from) {
    if (from >= bytes.size())
        return -1;
    const void *found = std::memchr(bytes.data() + from, unit, size_t(bytes.size() - from));
    return found ? static_cast<const char *>(found) - bytes.data() : -1;
}

// Compared from the end: the keys share their beginnings ("<META NAME=") but
// mostly not their lengths, so a wrong key fails at the first character.
template <typename View> bool markerAt(View text, qsizetype at, const std::string &marker) {
    if (text.size() - at < qsizetype(marker.size()))
        return false;
    for (qsizetype i = qsizetype(marker.size()) - 1; i >= 0; --i) {
        if (asciiUpper(unitAt(text, at + i)) != char16_t(marker[i]))
            return false;
    }
    return true;
}

template <typename View>
qsizetype indexOfMarker(View text, const std::string &marker, qsizetype from) {
    for (qsizetype at = from; (at = indexOfUnit(text, marker.front(), at)) >= 0; ++at) {
        if (markerAt(text, at, marker))
            return at;
    }
    return -1;
}

// The tag whose open marker starts at the "<" at `at`; only keys that begin
// with the character after it are compared further.
template <typename View> const Tag *tagOpeningAt(const TagTable &table, View text, qsizetype at) {
    if (at + 1 >= text.size())
        return nullptr;
    const char16_t next = asciiUpper(unitAt(text, at + 1));
    if (next >= table.byNextCharacter.size())
        return nullptr;
    for (const Tag *tag : table.byNextCharacter[next]) {
        if (markerAt(text, at, tag->open))
            return tag;
    }
    return nullptr;
}

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
// the same reason as joinLines.
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

QString cleaned(QString value, Kind kind) {
    joinLines(value);
    QStringView text = trimBlanks(value);
    if (kind != Kind::Attribute)
        return text.toString();
    // The slash of a tag closed as "<meta ... />".
    if (text.endsWith(u'/'))
        text = trimBlanks(text.chopped(1));
    if (text.startsWith(u'"') || text.startsWith(u'\'')) {
        const QChar quote = text.front();
        text = text.sliced(1);
        if (text.endsWith(quote))
            text.chop(1);
        text = trimBlanks(text);
    }
    return unescapedQuotes(text);
}

bool equalsAsciiCaseless(QStringView text, QLatin1StringView word) {
    return text.size() == word.size() && indexOfAsciiCaseless(text, word) == 0;
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
            if (row.source != Source::Choice)
                continue;
            const bool anywhere = row.list == List::Charset || row.list == List::Language;
            Choice choice{row.list, row.readInto, anywhere, {}};
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
        if (url.size() >= urlIs.size() && equalsAsciiCaseless(url.first(urlIs.size()), urlIs))
            url = url.sliced(urlIs.size());
    }
    form[Field::RefreshSeconds] = seconds.toString();
    form[Field::RefreshUrl] = url.toString();
}

// Turns the slots into the refresh row, list choices and check boxes.
void applySlots(FormValue &form) {
    splitRefresh(form);
    for (const Choice &choice : choices()) {
        const QString &text = form[choice.slot];
        for (int i = 0; i < int(choice.words.size()); ++i) {
            if (choice.anywhere ? containsAsciiCaseless(text, choice.words[i])
                                : equalsAsciiCaseless(text, choice.words[i])) {
                form[choice.list] = item(choice.list, i);
                break;
            }
        }
    }
    // The language text is kept only when no listed language matched it.
    if (form[List::Language].index >= 0)
        form[Field::OtherLanguage].clear();
    // Caching is the default, so any other pragma leaves the list unchosen.
    form[List::PageCaching] =
        equalsAsciiCaseless(form[Field::PragmaSlot], QLatin1StringView("NO-CACHE"))
            ? item(List::PageCaching, 1)
            : ListValue{};
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

// One pass: a value's close marker is searched for from its start to wherever
// it is, across line breaks, so a value is cut once however many lines it
// spans. A close marker never contains a line break, which makes this the same
// as following the value line by line.
template <typename View, typename Decode> void readTags(View text, FormValue &form, Decode decode) {
    const TagTable &table = tagTable();
    for (qsizetype at = 0; (at = indexOfUnit(text, '<', at)) >= 0;) {
        const Tag *tag = tagOpeningAt(table, text, at);
        if (!tag) {
            ++at;
            continue;
        }
        const qsizetype start = at + qsizetype(tag->open.size());
        const qsizetype end = indexOfMarker(text, tag->close, start);
        // A value still open at the end of the page is dropped, and with it
        // everything behind its open marker.
        if (end < 0)
            break;
        form[tag->field] = cleaned(decode(text.sliced(start, end - start)), tag->kind);
        at = end + qsizetype(tag->close.size());
    }
    applySlots(form);
}

} // namespace

void readMetaTags(QStringView text, FormValue &form) {
    readTags(text, form, [](QStringView value) { return value.toString(); });
}

void readMetaTags(QByteArrayView bytes, Encoding encoding, FormValue &form) {
    // decodeText drops the byte-order mark, so the bytes start where its text does.
    if (encoding == Encoding::Utf8 && bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    readTags(bytes, form, [encoding](QByteArrayView value) { return decodeAs(value, encoding); });
}

} // namespace velko
