#include "document/TagUpdate.h"

#include "base/ByteOrderMarks.h"
#include "files/TextFile.h"
#include "page/PageCharset.h"
#include "page/PageHead.h"
#include "tags/TagMatch.h"
#include "tags/TagValues.h"

#include <algorithm>
#include <utility>

namespace velko {

namespace {

using L = QLatin1StringView;

constexpr qsizetype kCharsetWindow = 1024; // where browsers look for the charset

constexpr bool isLineBreak(char16_t c) {
    return c == u'\r' || c == u'\n';
}
constexpr bool isBlank(char16_t c) {
    return isHtmlSpace(c) && !isLineBreak(c);
}

// Pages held as text: values and lines go in as they are.
struct TextCodec {
    QString encode(QStringView text) const { return text.toString(); }
    QString decode(QStringView text) const { return text.toString(); }
};

// Pages held as bytes: values and lines go in, and values come out, in the
// page's encoding.
struct ByteCodec {
    Encoding encoding;

    QByteArray encode(QStringView text) const { return encoding.encode(text); }
    QString decode(QByteArrayView bytes) const { return decodeAs(bytes, encoding); }
};

// The end tag some pages close a void element with ("<meta ...></meta>"),
// right after it; browsers ignore it, but left alone it would stand orphaned.
template <typename View> Span withEndTag(View page, Span tag, QLatin1StringView name) {
    const qsizetype end = tag.end();
    const qsizetype length = name.size() + 3;
    if (end + length > page.size() || unitAt(page, end) != u'<' || unitAt(page, end + 1) != u'/' ||
        unitAt(page, end + length - 1) != u'>' || !nameIs(page, {end + 2, name.size()}, name))
        return tag;
    return {tag.start, tag.length + length};
}

// A tag that stands alone on its line (white space aside) goes with its line
// and line break; any other tag goes alone.
template <typename View> Span removedSpan(View page, const PageToken &token) {
    Span tag = token.whole;
    if (token.tag == TagName::Meta || token.tag == TagName::Link)
        tag =
            withEndTag(page, tag, QLatin1StringView(token.tag == TagName::Meta ? "meta" : "link"));
    qsizetype start = tag.start;
    while (start > 0 && isBlank(unitAt(page, start - 1)))
        --start;
    qsizetype end = tag.end();
    while (end < page.size() && isBlank(unitAt(page, end)))
        ++end;
    const bool startsLine = start == 0 || isLineBreak(unitAt(page, start - 1));
    const bool endsLine = end == page.size() || isLineBreak(unitAt(page, end));
    if (!startsLine || !endsLine)
        return tag;
    if (end < page.size() && unitAt(page, end) == u'\r')
        ++end;
    if (end < page.size() && unitAt(page, end) == u'\n')
        ++end;
    return {start, end - start};
}

// The blanks before a tag that starts its line; empty for one that does not.
template <typename View> Span indentOf(View page, qsizetype tag) {
    qsizetype start = tag;
    while (start > 0 && isBlank(unitAt(page, start - 1)))
        --start;
    return start == 0 || isLineBreak(unitAt(page, start - 1)) ? Span{start, tag - start}
                                                              : Span{tag, 0};
}

// A value that stands unquoted and would end early or change its tag.
bool needsQuotes(QStringView value) {
    return value.isEmpty() || std::any_of(value.begin(), value.end(), [](QChar c) {
               return isHtmlSpace(c.unicode()) || c == u'"' || c == u'\'' || c == u'=' ||
                      c == u'<' || c == u'>' || c == u'`';
           });
}

QString doubleQuoted(QStringView value) {
    return u'"' + value.toString().replace(u'"', QStringLiteral("&quot;")) + u'"';
}

// A tag or comment of the head, as the update weighs it.
struct HeadTag {
    PageToken token;
    std::vector<TagKind> kinds;
    L variant;             // the attribute that makes it a variant of its kinds, or empty
    int claimedBy = -1;    // the line whose value it holds
    int duplicates = 0;    // how many of its kinds it is a later tag of, one being enough
    bool stale = false;    // a property of an og:image whose address changed
    QString newValue = {}; // the value it holds after the update, as read
    bool isComment() const { return token.kind == PageToken::Kind::Comment; }
    bool has(const TagKind &kind) const {
        return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
    }
};

// Where the value of a tag is, and what takes its place.
struct ValuePlace {
    Span span = {-1, 0}; // the value's text; empty where a missing value goes
    bool attribute = true;
    bool quotesWith = false; // span includes the value's quotes, which the new value replaces
    QString prefix;          // written before the new value: "=" or " content=" when it had none
    bool quote = false;      // the new value goes in double quotes
};

template <typename View, typename Codec> class Updater {
public:
    using Text = decltype(std::declval<Codec>().encode(QStringView()));

    Updater(View page, const PageHead &head, std::span<const TagLine> lines, const Codec &codec)
        : m_page(page)
        , m_head(head)
        , m_lines(lines)
        , m_codec(codec)
        , m_break(firstLineBreak(page)) {
        walkHead(page, head, [this](const PageToken &token) {
            HeadTag tag{token, kindsOfTag(m_page, token), variantOf(m_page, token)};
            if (tag.isComment() || !tag.kinds.empty())
                m_tags.push_back(std::move(tag));
            return true;
        });
        // A page that closes its meta and link tags with "/>" (XHTML) gets
        // its added ones closed the same way, so that it stays well-formed.
        for (const HeadTag &tag : m_tags) {
            if (tag.token.tag == TagName::Meta || tag.token.tag == TagName::Link) {
                const Span whole = tag.token.whole;
                m_selfClosing = whole.length >= 2 && unitAt(m_page, whole.end() - 2) == u'/';
                break;
            }
        }
    }

    TagUpdate<Text> run() {
        TagUpdate<Text> result;
        result.headFound = true;
        bool charsetDone = false;
        for (int i = 0; i < int(m_lines.size()); ++i) {
            const TagRow &row = *m_lines[size_t(i)].row;
            if (row.element == Element::Comment) {
                planComment(i);
                continue;
            }
            // One charset line stands for the form's charset: a second would
            // repeat or contradict it.
            if (kindOf(row).space == KeySpace::Charset && std::exchange(charsetDone, true))
                continue;
            planTag(i, result);
        }
        for (const HeadTag &tag : m_tags) {
            const bool duplicate = !tag.kinds.empty() && tag.duplicates == int(tag.kinds.size());
            if (tag.claimedBy < 0 && (duplicate || tag.stale))
                m_edits.push_back(
                    {TagChangeKind::Removed, removedSpan(m_page, tag.token), {}, tag.token.whole});
        }
        addLines();
        write(result);
        return result;
    }

private:
    struct Edit {
        TagChangeKind kind;
        Span span; // of the old page
        Text text; // what comes in its place
        Span oldTag;
        Span lineInText = {}; // for an addition: where the line is in `text`
    };

    struct Addition {
        qsizetype at;
        Span indent; // of the page, the blanks each added line starts with
        int line;
    };

    const TagLine &line(int i) const { return m_lines[size_t(i)]; }

    // The page's text of `span`, as the reader reads it.
    QString readAt(Span span, bool attribute) const {
        return span.start < 0 ? QString()
                              : valueAsRead(m_codec.decode(sliceOf(m_page, span)), attribute);
    }
    // A value of the form as the page would hold it and the reader read it:
    // a character the page's encoding lacks is a character reference there.
    QString asWritten(const QString &value, bool attribute) const {
        const Text encoded = m_codec.encode(withLineBreaks(value, m_break));
        return valueAsRead(m_codec.decode(View(encoded)), attribute);
    }

    ValuePlace placeOf(const HeadTag &tag, const TagRow &row) const {
        ValuePlace place;
        const PageToken &token = tag.token;
        if (tag.isComment() || row.element == Element::Title) {
            place.span = token.text;
            place.attribute = false;
            return place;
        }
        const L name = row.valueAttribute;
        const Attribute *value = findAttribute(m_page, token, name);
        if (value && value->hasValue) {
            place.span = value->value;
            const qsizetype before = place.span.start - 1;
            const char16_t quote = before >= 0 ? unitAt(m_page, before) : 0;
            if ((quote == u'"' || quote == u'\'') && place.span.end() < m_page.size() &&
                unitAt(m_page, place.span.end()) == quote) {
                place.quote = quote == u'"';
                place.quotesWith = quote == u'\'';
            }
            return place;
        }
        place.quote = true;
        if (value) {
            place.span = {value->name.end(), 0};
            place.prefix = QStringLiteral("=");
            return place;
        }
        // No such attribute: it goes after the last one.
        qsizetype end = token.name.end();
        for (const Attribute &attribute : token.attributes) {
            end = std::max(end, attribute.name.end());
            if (attribute.hasValue) {
                const qsizetype valueEnd = attribute.value.end();
                const bool quoted =
                    valueEnd < m_page.size() &&
                    (unitAt(m_page, valueEnd) == u'"' || unitAt(m_page, valueEnd) == u'\'') &&
                    attribute.value.start > 0 &&
                    unitAt(m_page, attribute.value.start - 1) == unitAt(m_page, valueEnd);
                end = std::max(end, valueEnd + (quoted ? 1 : 0));
            }
        }
        // After an attribute left as "name=", browsers would take the new
        // attribute for that one's value: it goes after the element's name.
        if (unitAt(m_page, end - 1) == u'=')
            end = token.name.end();
        place.span = {end, 0};
        place.prefix = u' ' + QString(name) + u'=';
        return place;
    }

    // The new value as it goes into the page at `place`: quoted as the old
    // one was, an unquoted one that now needs quotes in double quotes, a
    // single-quoted one that now holds a single quote too.
    Text written(const ValuePlace &place, const QString &value) const {
        QString text = withLineBreaks(value, m_break);
        if (!place.attribute) {
            // a title's or comment's text, or a charset name
        } else if (place.quote) {
            text = doubleQuoted(text);
            if (place.prefix.isEmpty()) // inside the quotes the value has
                text = text.sliced(1).chopped(1);
        } else if (place.quotesWith) {
            text = text.contains(u'\'') ? doubleQuoted(text) : u'\'' + text + u'\'';
        } else if (needsQuotes(text)) {
            text = doubleQuoted(text);
        }
        return m_codec.encode(place.prefix + text);
    }

    void editValue(HeadTag &tag, const ValuePlace &place, const QString &value) {
        Span span = place.span;
        if (place.quotesWith)
            span = {span.start - 1, span.length + 2};
        m_edits.push_back({TagChangeKind::Replaced, span, written(place, value), tag.token.whole});
    }

    // The first tag of `kind` (a plain one, not a variant) takes the line's
    // value; true when that changed it.
    bool setValue(HeadTag &tag, int i) {
        const TagLine &given = line(i);
        const TagRow &row = *given.row;
        tag.claimedBy = i;
        if (kindOf(row).space == KeySpace::Charset)
            return setCharset(tag, i);
        const ValuePlace place = placeOf(tag, row);
        const QString now =
            place.prefix.isEmpty() ? readAt(place.span, place.attribute) : QString();
        tag.newValue = asWritten(given.value, place.attribute);
        if (holdsValue(row, now, tag.newValue))
            return false;
        editValue(tag, place, given.value);
        return true;
    }

    // A charset declaration takes the line's charset in the form it has:
    // <meta charset> as its value, a content-type http-equiv in its content.
    bool setCharset(HeadTag &tag, int i) {
        const TagLine &given = line(i);
        const QString charset =
            given.row->valueAttribute.isEmpty() ? QString(given.row->keyValue) : given.value;
        tag.newValue = charset;
        const Span declared = declaredCharsetSpan(m_page, tag.token);
        if (declared.start >= 0 && sameCharset(readAt(declared, true), charset))
            return false;
        ValuePlace place;
        if (declared.start >= 0) {
            place.span = declared;
            place.attribute = false;
        } else if (const Attribute *named = findAttribute(m_page, tag.token, L("charset"))) {
            place.span = {named->name.end(), 0};
            place.prefix = QStringLiteral("=");
            place.quote = true;
        } else {
            // A content type that names no charset: the charset joins it.
            TagRow contentType = *given.row;
            contentType.valueAttribute = L("content");
            place = placeOf(tag, contentType);
            const QString content = readAt(place.span, true);
            editValue(tag, place,
                      (content.isEmpty() ? QStringLiteral("text/html") : content) +
                          QStringLiteral("; charset=") + charset);
            return true;
        }
        editValue(tag, place, charset);
        return true;
    }

    // The value the page holds for a row, as read from its first tag.
    QString pageValue(const TagRow &row) const {
        const TagKind &kind = kindOf(row);
        for (const HeadTag &tag : m_tags)
            if (tag.variant.isEmpty() && tag.has(kind)) {
                const ValuePlace place = placeOf(tag, row);
                return place.prefix.isEmpty() ? readAt(place.span, place.attribute) : QString();
            }
        return {};
    }

    // A comment is the line's when it holds what the line repeats, as the
    // page has it now: for the Comments line the form's own text, for a
    // copy of the title, keywords or description the page's.
    void planComment(int i) {
        const TagLine &given = line(i);
        const TagRow &row = *given.row;
        // A comment that already holds the line's text is the line's too:
        // the page may lack the tag a copied comment follows.
        const QString written = asWritten(given.value, false);
        const QString mine =
            row.source == Source::CheckBox ? pageValue(tagRowOf(row.field)) : written;
        for (const QString &text : {mine, written}) {
            if (text.isEmpty())
                continue;
            for (HeadTag &tag : m_tags) {
                if (!tag.isComment() || tag.claimedBy >= 0 || readAt(tag.token.text, false) != text)
                    continue;
                setValue(tag, i);
                return;
            }
        }
        m_additions.push_back({m_head.insertAt, indentAt(m_head.insertAt), i});
    }

    Span indentAt(qsizetype at) const {
        if (m_head.charset.start >= 0 && at == m_head.charset.end())
            return indentOf(m_page, m_head.charset.start);
        return {at, 0};
    }

    void planTag(int i, TagUpdate<Text> &result) {
        const TagRow &row = *line(i).row;
        const TagKind &kind = kindOf(row);
        // A property of an og:image describes the first item only: the tags up
        // to the array's second item.
        const L array = itemOf(kind);
        qsizetype root = -1;
        qsizetype limit = qsizetype(m_tags.size());
        const TagKind item{KeySpace::Name, QString(array)};
        if (!array.isEmpty()) {
            for (qsizetype t = 0; t < qsizetype(m_tags.size()); ++t) {
                if (!m_tags[size_t(t)].has(item))
                    continue;
                if (root >= 0) {
                    limit = t;
                    break;
                }
                root = t;
            }
        }
        std::vector<qsizetype> plain;
        L variant;
        for (qsizetype t = 0; t < limit; ++t) {
            const HeadTag &tag = m_tags[size_t(t)];
            if (!tag.isComment() && tag.has(kind)) {
                if (tag.variant.isEmpty())
                    plain.push_back(t);
                else
                    variant = tag.variant;
            }
        }
        // A charset tag that names no charset (a content type without one,
        // a value under another attribute's name) declares nothing, and one
        // naming a label browsers do not know yields to one they know: the
        // declaration browsers heed takes the line. When none names any, the
        // line is added where added lines go, not made of a tag that may
        // stand past the first 1,024 bytes.
        if (kind.space == KeySpace::Charset) {
            const auto names =
                std::stable_partition(plain.begin(), plain.end(), [this](qsizetype t) {
                    return declaredCharsetSpan(m_page, m_tags[size_t(t)].token).start >= 0;
                });
            std::stable_partition(plain.begin(), names, [this](qsizetype t) {
                const Span name = declaredCharsetSpan(m_page, m_tags[size_t(t)].token);
                return Encoding::fromLabel(readAt(name, true).toLatin1()).has_value();
            });
            if (names == plain.begin()) {
                for (const qsizetype t : plain)
                    ++m_tags[size_t(t)].duplicates;
                plain.clear();
            }
        }
        if (plain.empty()) {
            if (!variant.isEmpty()) {
                result.kept.push_back({KeptKind::Why::Variants, kindName(kind), QString(variant)});
            } else if (root >= 0) {
                const Span rootTag = m_tags[size_t(root)].token.whole;
                m_additions.push_back({rootTag.end(), indentOf(m_page, rootTag.start), i});
            } else {
                m_additions.push_back({m_head.insertAt, indentAt(m_head.insertAt), i});
            }
            return;
        }
        HeadTag &first = m_tags[size_t(plain.front())];
        if (first.claimedBy >= 0) {
            // A tag of two kinds holds one value, that of the earlier line.
            const ValuePlace place = placeOf(first, row);
            if (!holdsValue(row, first.newValue, asWritten(line(i).value, place.attribute)))
                result.kept.push_back({KeptKind::Why::SharedTag, kindName(kind),
                                       kindName(kindOf(*line(first.claimedBy).row))});
        } else if (setValue(first, i) && isArrayItem(kind)) {
            markStaleProperties(kind);
        }
        if (repeatOf(kind) != Repeat::Many)
            for (size_t p = 1; p < plain.size(); ++p)
                ++m_tags[size_t(plain[p])].duplicates;
    }

    // The properties of the first item of an array (og:image:width, ...)
    // described the picture it named before.
    void markStaleProperties(const TagKind &item) {
        bool rootSeen = false;
        for (HeadTag &tag : m_tags) {
            if (tag.has(item)) {
                if (std::exchange(rootSeen, true))
                    return;
                continue;
            }
            tag.stale = !tag.isComment() && std::all_of(tag.kinds.begin(), tag.kinds.end(),
                                                        [&item](const TagKind &kind) {
                                                            return itemOf(kind) == item.key;
                                                        });
        }
    }

    // Each added line after a line break of its own, and the last of a place
    // followed by one unless the page has one there already, or ends there
    // without one. Their line breaks are all new, so a second run, which
    // finds the lines and adds nothing, changes nothing.
    void addLines() {
        const Text lineBreak = m_codec.encode(QString::fromLatin1(lineBreakBytes(m_break)));
        std::stable_sort(m_additions.begin(), m_additions.end(),
                         [](const Addition &a, const Addition &b) { return a.at < b.at; });
        for (size_t a = 0; a < m_additions.size(); ++a) {
            const Addition &addition = m_additions[a];
            Text text = lineBreak;
            text.append(sliceOf(m_page, addition.indent));
            const TagLine &added = line(addition.line);
            QString written = withLineBreaks(added.text, m_break);
            if (m_selfClosing &&
                (added.row->element == Element::Meta || added.row->element == Element::Link))
                written.insert(written.size() - 1, QStringLiteral(" /"));
            const Text tag = m_codec.encode(written);
            const Span inText{text.size(), tag.size()};
            text.append(tag);
            const bool lastHere =
                a + 1 == m_additions.size() || m_additions[a + 1].at != addition.at;
            if (lastHere && addition.at < m_page.size() &&
                !isLineBreak(unitAt(m_page, addition.at)))
                text.append(lineBreak);
            m_edits.push_back({TagChangeKind::Added,
                               {addition.at, 0},
                               std::move(text),
                               {addition.at, 0},
                               inText});
        }
    }

    void write(TagUpdate<Text> &result) {
        // Added lines come before a tag that starts where they go in.
        std::stable_sort(m_edits.begin(), m_edits.end(), [](const Edit &a, const Edit &b) {
            return a.span.start != b.span.start ? a.span.start < b.span.start
                                                : a.span.length < b.span.length;
        });
        Text &out = result.page;
        qsizetype grown = 0;
        for (const Edit &edit : m_edits)
            grown += edit.text.size();
        out.reserve(m_page.size() + grown);
        const Span charset = m_head.charset;
        qsizetype charsetEnd = charset.end();
        qsizetype from = 0;
        for (const Edit &edit : m_edits) {
            out.append(m_page.sliced(from, edit.span.start - from));
            from = edit.span.end();
            TagChange change{edit.kind, edit.span, {out.size(), edit.text.size()}, edit.oldTag, {}};
            if (edit.kind == TagChangeKind::Added) {
                change.oldTag = {};
                change.newTag = {out.size() + edit.lineInText.start, edit.lineInText.length};
            } else if (edit.kind == TagChangeKind::Replaced) {
                change.newTag = {out.size() - (edit.span.start - edit.oldTag.start),
                                 edit.oldTag.length - edit.span.length + edit.text.size()};
            }
            if (charset.start >= 0 && edit.span.start < charset.end())
                charsetEnd += edit.text.size() - edit.span.length;
            out.append(edit.text);
            result.changes.push_back(change);
        }
        out.append(m_page.sliced(from));
        result.pushesCharset =
            charset.start >= 0 && charset.end() <= kCharsetWindow && charsetEnd > kCharsetWindow;
    }

    View m_page;
    const PageHead &m_head;
    std::span<const TagLine> m_lines;
    const Codec &m_codec;
    LineBreak m_break;
    bool m_selfClosing = false;
    std::vector<HeadTag> m_tags;
    std::vector<Edit> m_edits;
    std::vector<Addition> m_additions;
};

template <typename View, typename Codec>
auto update(View page, std::span<const TagLine> lines, const Codec &codec) {
    const PageHead head = findHead(page);
    if (!head.found())
        return TagUpdate<typename Updater<View, Codec>::Text>{};
    return Updater<View, Codec>(page, head, lines, codec).run();
}

// The charset the head of `page` declares first; labels are ASCII, so a
// text page's head is scanned as Latin-1 bytes.
QByteArray declaredCharsetOf(QByteArrayView page) {
    return declaredCharset(page.first(findHead(page).end)).toByteArray();
}
QByteArray declaredCharsetOf(QStringView page) {
    return declaredCharsetOf(QByteArrayView(page.first(findHead(page).end).toLatin1()));
}

template <typename View> bool holdsNonAscii(View page) {
    for (qsizetype i = 0; i < page.size(); ++i) {
        if (unitAt(page, i) >= 0x80)
            return true;
    }
    return false;
}

// `textEncoding` is asked for only when the declaration changed: finding a
// page's encoding reads all of it.
template <typename View, typename Text, typename TextEncoding>
QByteArray misdeclared(View page, const TagUpdate<Text> &update, TextEncoding textEncoding) {
    if (update.changes.empty())
        return {};
    const QByteArray declared = declaredCharsetOf(View(update.page));
    if (declared.isEmpty() ||
        sameCharset(QString::fromLatin1(declared), QString::fromLatin1(declaredCharsetOf(page))))
        return {};
    const std::optional<Encoding> encoding = Encoding::fromLabel(declared);
    if (encoding && *encoding == textEncoding())
        return {};
    return holdsNonAscii(page) ? declared : QByteArray();
}

} // namespace

QString keptText(const KeptKind &kind) {
    return QString::fromUtf8(kind.why == KeptKind::Why::Variants ? kept::kVariants
                                                                 : kept::kSharedTag)
        .arg(kind.kind, kind.other);
}

QByteArray misdeclaredCharset(QStringView page, const TagUpdate<QString> &update,
                              const TextFormat &savedAs) {
    if (savedAs.byteOrderMark || !savedAs.encoding.isAsciiCompatible())
        return {};
    return misdeclared(page, update, [&savedAs] { return savedAs.encoding; });
}

QByteArray misdeclaredCharset(QByteArrayView page, const TagUpdate<QByteArray> &update) {
    // UTF-16 has a byte-order mark too, or it is not read as UTF-16.
    if (page.startsWith(kUtf8Mark) || startsWithUtf16Mark(page))
        return {};
    return misdeclared(page, update, [page] { return detectEncoding(page); });
}

TagUpdate<QString> updateTags(QStringView page, std::span<const TagLine> lines) {
    return update(page, lines, TextCodec{});
}

TagUpdate<QByteArray> updateTags(QByteArrayView page, std::span<const TagLine> lines) {
    Encoding encoding = detectEncoding(page);
    if (encoding.isAsciiCompatible()) {
        // A UTF-16 byte-order mark on bytes that are no UTF-16: an update
        // could make them read as UTF-16. No HTML page that can be updated.
        if (startsWithUtf16Mark(page))
            return {};
        // The lines may declare a charset the page did not: they are then
        // written in the encoding the updated page is read in, so that the
        // next update finds them as they are. That settles at the second
        // attempt; a page that would not settle is refused.
        for (int attempt = 0; attempt < 3; ++attempt) {
            TagUpdate<QByteArray> result = update(page, lines, ByteCodec{encoding});
            if (result.changes.empty())
                return result;
            const Encoding after = detectEncoding(result.page);
            if (after == encoding)
                return result;
            encoding = after;
        }
        return {};
    }

    // UTF-16: the markup is not in the bytes, so the text is updated, and
    // each of its units is two bytes behind the byte-order mark.
    const DecodedText decoded = decodeText(page);
    const TagUpdate<QString> text = update(QStringView(decoded.text), lines, TextCodec{});
    if (!text.headFound)
        return {};
    TagUpdate<QByteArray> result{
        text.headFound, false, encodeCharacters(text.page, decoded.format), {}, text.kept};
    const qsizetype mark = decoded.format.byteOrderMark ? 2 : 0;
    const auto bytes = [mark](Span span) { return Span{mark + 2 * span.start, 2 * span.length}; };
    for (const TagChange &change : text.changes)
        result.changes.push_back({change.kind, bytes(change.oldSpan), bytes(change.newSpan),
                                  bytes(change.oldTag), bytes(change.newTag)});
    return result;
}

} // namespace velko
