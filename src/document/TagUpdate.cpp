#include "document/TagUpdate.h"

#include "base/ByteOrderMarks.h"
#include "files/TextFile.h"
#include "page/PageCharset.h"
#include "page/PageHead.h"
#include "tags/TagMatch.h"

#include <algorithm>

namespace velko {

namespace {

constexpr bool isLineBreak(char16_t c) {
    return c == u'\r' || c == u'\n';
}
constexpr bool isBlank(char16_t c) {
    return isHtmlSpace(c) && !isLineBreak(c);
}

// A comment's text as comments are compared: without the white space at its
// ends, and with its line breaks in one style.
QString comparable(QStringView comment) {
    return withLineBreaks(comment.trimmed(), LineBreak::Lf);
}

// The row a tag of the page is of the same kind as. A row whose key
// attribute carries the value itself (<meta charset="utf-8">) stands for every
// meta tag with that attribute, so that one charset declaration takes the
// place of another instead of a second one being added.
template <typename View> const TagRow *kindOfTag(View page, const PageToken &token) {
    if (const TagRow *row = rowOfTag(page, token))
        return row;
    if (token.kind != PageToken::Kind::StartTag || token.tag != TagName::Meta)
        return nullptr;
    for (const TagRow &row : tagRows()) {
        if (row.element == Element::Meta && row.valueAttribute.isEmpty() &&
            findAttribute(page, token, row.keyAttribute))
            return &row;
    }
    return nullptr;
}

// Pages held as text: the lines go in as they are.
struct TextCodec {
    QString encode(const QString &text) const { return text; }
    QString decode(QStringView text) const { return text.toString(); }
};

// Pages held as bytes: the lines go in, and comments come out, in the page's
// encoding.
struct ByteCodec {
    TextFormat format;

    QByteArray encode(const QString &text) const {
        QByteArray bytes = encodeText(text, format);
        // encodeText ends the text with a line break when it has none.
        if (text.isEmpty() || !isLineBreak(text.back().unicode()))
            bytes.chop(lineBreakBytes(format.lineBreak).size());
        return bytes;
    }
    QString decode(QByteArrayView bytes) const { return decodeAs(bytes, format.encoding); }
};

// A tag that stands alone on its line (white space aside) goes with its line
// and line break; any other tag goes alone.
template <typename View> Span removedSpan(View page, Span tag) {
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

template <typename Text> struct PlannedLine {
    const TagLine *line;
    Text text;       // encoded, with the page's line breaks
    QString comment; // for a comment line: its text as comments are compared
    bool placed = false;
};

struct Edit {
    TagChangeKind kind;
    Span span;              // of the old page
    qsizetype planned = -1; // the line that comes in; -1 for a removal
};

template <typename View, typename Codec>
auto update(View page, std::span<const TagLine> lines, const Codec &codec) {
    using Text = decltype(codec.encode(QString()));
    TagUpdate<Text> result;
    const PageHead head = findHead(page);
    if (!head.found())
        return result;
    result.headFound = true;

    const LineBreak pageBreak = firstLineBreak(page);
    const QString lineBreak = QString::fromLatin1(lineBreakBytes(pageBreak));
    std::vector<PlannedLine<Text>> planned;
    for (const TagLine &line : lines) {
        Text text = codec.encode(withLineBreaks(line.text, pageBreak));
        // A comment is compared as the page would hold it: a character the
        // encoding lacks is a character reference there too.
        const QString comment = line.row->element == Element::Comment
                                    ? comparable(codec.decode(View(text).sliced(4).chopped(3)))
                                    : QString();
        planned.push_back({&line, std::move(text), comment});
    }

    // The first tag of a line's kind takes the line's place; a tag whose kind
    // has no line left over is a duplicate. Lines of the same kind (two
    // comments with the same text) take the page's tags of that kind in turn.
    std::vector<Edit> edits;
    scanPage(page.first(head.end), [&](const PageToken &token) {
        if (token.whole.start < head.tag.end())
            return true;
        const bool isComment = token.kind == PageToken::Kind::Comment;
        const TagRow *row = isComment ? nullptr : kindOfTag(page, token);
        if (!isComment && !row)
            return true;
        const QString comment =
            isComment ? comparable(codec.decode(sliceOf(page, token.text))) : QString();
        bool sameKind = false;
        for (qsizetype i = 0; i < qsizetype(planned.size()); ++i) {
            PlannedLine<Text> &line = planned[i];
            if (isComment ? line.line->row->element != Element::Comment || line.comment != comment
                          : line.line->row != row)
                continue;
            sameKind = true;
            if (line.placed)
                continue;
            line.placed = true;
            if (sliceOf(page, token.whole) != View(line.text))
                edits.push_back({TagChangeKind::Replaced, token.whole, i});
            return true;
        }
        if (sameKind)
            edits.push_back({TagChangeKind::Removed, removedSpan(page, token.whole)});
        return true;
    });
    for (qsizetype i = 0; i < qsizetype(planned.size()); ++i) {
        if (!planned[i].placed)
            edits.push_back({TagChangeKind::Added, {head.insertAt, 0}, i});
    }
    // Added lines come before a tag that starts where they go in.
    std::stable_sort(edits.begin(), edits.end(), [](const Edit &a, const Edit &b) {
        return a.span.start != b.span.start ? a.span.start < b.span.start
                                            : a.span.length < b.span.length;
    });

    // Added lines look like Insert's block: each after a line break of its
    // own, and the last followed by one unless the page has one there
    // already. Their line breaks are all new, so a second run, which finds
    // the lines and adds nothing, changes nothing.
    const Text encodedBreak = codec.encode(lineBreak);
    const bool breakFollows =
        head.insertAt < page.size() && isLineBreak(unitAt(page, head.insertAt));
    qsizetype lastAdded = -1;
    for (qsizetype i = 0; i < qsizetype(edits.size()); ++i) {
        if (edits[i].kind == TagChangeKind::Added)
            lastAdded = i;
    }

    Text &out = result.page;
    out.reserve(page.size() + 64 * qsizetype(lines.size()));
    qsizetype from = 0;
    for (qsizetype i = 0; i < qsizetype(edits.size()); ++i) {
        const Edit &edit = edits[i];
        out.append(page.sliced(from, edit.span.start - from));
        from = edit.span.end();
        TagChange change{edit.kind, edit.span, {out.size(), 0}, {out.size(), 0}};
        if (edit.kind == TagChangeKind::Added)
            out.append(encodedBreak);
        if (edit.planned >= 0) {
            const Text &text = planned[edit.planned].text;
            change.line = {out.size(), text.size()};
            out.append(text);
        }
        if (i == lastAdded && !breakFollows)
            out.append(encodedBreak);
        change.newSpan.length = out.size() - change.newSpan.start;
        result.changes.push_back(change);
    }
    out.append(page.sliced(from));
    return result;
}

// The charset the head of `page` declares first; labels are ASCII, so a
// text page's head is scanned as Latin-1 bytes.
QByteArray declaredCharsetOf(QByteArrayView page) {
    return declaredCharset(page.first(findHead(page).end)).toByteArray();
}
QByteArray declaredCharsetOf(QStringView page) {
    return declaredCharsetOf(QByteArrayView(page.first(findHead(page).end).toLatin1()));
}

template <typename View> bool holdsNonAscii(View page, qsizetype from, qsizetype to) {
    for (qsizetype i = from; i < to; ++i) {
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
    if (declared.isEmpty() || declared.compare(declaredCharsetOf(page), Qt::CaseInsensitive) == 0)
        return {};
    const std::optional<Encoding> encoding = Encoding::fromLabel(declared);
    if (encoding && *encoding == textEncoding())
        return {};
    qsizetype kept = 0;
    for (const TagChange &change : update.changes) {
        if (holdsNonAscii(page, kept, change.oldSpan.start))
            return declared;
        kept = change.oldSpan.end();
    }
    return holdsNonAscii(page, kept, page.size()) ? declared : QByteArray();
}

} // namespace

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
    TextFormat format{detectEncoding(page), firstLineBreak(page), false};
    if (format.encoding.isAsciiCompatible()) {
        // A UTF-16 byte-order mark on bytes that are no UTF-16: an update
        // could make them read as UTF-16. No HTML page that can be updated.
        if (startsWithUtf16Mark(page))
            return {};
        // The lines may declare a charset the page did not: they are then
        // written in the encoding the updated page is read in, so that the
        // next update finds them as they are. That settles at the second
        // attempt; a page that would not settle is refused.
        for (int attempt = 0; attempt < 3; ++attempt) {
            TagUpdate<QByteArray> result = update(page, lines, ByteCodec{format});
            if (result.changes.empty())
                return result;
            const Encoding after = detectEncoding(result.page);
            if (after == format.encoding)
                return result;
            format.encoding = after;
        }
        return {};
    }

    // UTF-16: the markup is not in the bytes, so the text is updated, and
    // each of its units is two bytes behind the byte-order mark.
    const DecodedText decoded = decodeText(page);
    const TagUpdate<QString> text = update(QStringView(decoded.text), lines, TextCodec{});
    if (!text.headFound)
        return {};
    TagUpdate<QByteArray> result{text.headFound, encodeCharacters(text.page, decoded.format), {}};
    const qsizetype mark = decoded.format.byteOrderMark ? 2 : 0;
    const auto bytes = [mark](Span span) { return Span{mark + 2 * span.start, 2 * span.length}; };
    for (const TagChange &change : text.changes)
        result.changes.push_back(
            {change.kind, bytes(change.oldSpan), bytes(change.newSpan), bytes(change.line)});
    return result;
}

} // namespace velko
