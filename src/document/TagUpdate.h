#pragma once

// Update Tags In File: the tag block put into a page's head so that the page
// holds each of the block's tags once. Of the tags in the head that are of
// the same kind as a block line (the title; a meta or link tag of the same
// row of the tag table; a comment with the same text), the first is replaced
// by the line, the later ones are removed, and the lines of no kind there yet
// are added where Insert Tags Into File puts its block. Everything else of
// the page stays as it was, byte for byte.

#include "base/PageView.h"
#include "files/TextFile.h"
#include "tags/TagBlock.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <span>
#include <vector>

namespace velko {

enum class TagChangeKind { Replaced, Added, Removed };

struct TagChange {
    TagChangeKind kind;
    // What went: the replaced or removed tag, or for a tag that stood alone
    // on its line that whole line; empty (where the lines went in) for an
    // addition.
    Span oldSpan;
    // What came in its place in the updated page; empty for a removal.
    Span newSpan;
    // The block line within newSpan; empty for a removal.
    Span line;
};

template <typename Text> struct TagUpdate {
    bool headFound = false;
    Text page;                      // the updated page
    std::vector<TagChange> changes; // in page order; none when the page had the tags already

    int count(TagChangeKind kind) const {
        int n = 0;
        for (const TagChange &change : changes)
            n += change.kind == kind;
        return n;
    }
};

// The update of a page held as text, with any line breaks (the window's
// document has CR LF).
TagUpdate<QString> updateTags(QStringView page, std::span<const TagLine> lines);

// The same on a page's bytes, in the encoding detectEncoding finds in them: the
// lines go in encoded the same way, with the page's line breaks.
TagUpdate<QByteArray> updateTags(QByteArrayView page, std::span<const TagLine> lines);

// The charset the update makes the page declare, when the text the update
// kept of the page holds more than ASCII and is in another encoding
// (`savedAs`, the encoding the page is saved in): a browser would then read
// that text wrong. Empty otherwise, and when a byte-order mark decides.
QByteArray misdeclaredCharset(QStringView page, const TagUpdate<QString> &update,
                              const TextFormat &savedAs);
// The same for a page's bytes, whose text is in the encoding detectEncoding
// finds in them.
QByteArray misdeclaredCharset(QByteArrayView page, const TagUpdate<QByteArray> &update);

} // namespace velko
