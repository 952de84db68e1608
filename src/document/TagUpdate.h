#pragma once

// Update Tags In File: the form's values put into the tags a page's head
// already has, and the block's other lines added. Tags are found by their
// kinds (tags/TagKinds.h) in the head as the reader reads it (page/PageHead.h:
// no template or noscript contents):
// - the first tag of a line's kind keeps its bytes; only its value (the text
//   between the quotes of its content= or href=, or its text) changes, and
//   only when it is not the form's already. Later tags of a kind a page has
//   once are removed; those of a kind that repeats stay.
// - a tag with a media, hreflang or sizes attribute is a variant, never
//   touched; a kind the page has only in variants is kept as it is.
// - when the first og:image changes, the properties that described the old
//   picture go.
// - a comment is Velko's only when it is one of the comment lines and holds
//   what that line repeats (the title comment the page's title); no other
//   comment is touched.
// - a charset line takes the place of the page's charset declaration; the
//   page keeps one.
// - lines of no kind there yet are added right after the head's charset
//   declaration, or its head tag (PageHead::insertAt), in the page's line
//   breaks; a property of an og:image after that og:image.
// Everything else of the page stays as it was, byte for byte.

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
    // What went: a value, or a removed tag (with its line when it stood
    // alone on it); empty (where the line went in) for an addition.
    Span oldSpan;
    // What came in its place in the updated page; empty for a removal.
    Span newSpan;
    // The whole tag the change is in, before (empty for an addition) and
    // after (empty for a removal).
    Span oldTag;
    Span newTag;
};

// A line the update left out, the page's tags of its kind kept as they are.
struct KeptKind {
    enum class Why {
        Variants,  // the page has the kind only per media, language or size
        SharedTag, // its tag is also of an earlier line's kind, which set its value
    };
    Why why;
    QString kind;  // "theme-color"
    QString other; // the attribute ("media") or the other kind ("description")
};

// What the update says of a kept kind: English for the command line, marked
// for the window, which translates them.
namespace kept {
inline constexpr auto kVariants =
    QT_TRANSLATE_NOOP("velko::DocumentCommands", "kept: %1 is set per %2");
inline constexpr auto kSharedTag =
    QT_TRANSLATE_NOOP("velko::DocumentCommands", "kept: %1 shares its tag with %2");
} // namespace kept

// "kept: theme-color is set per media", in English.
QString keptText(const KeptKind &kind);

// Why a page is not updated when the update would move its charset
// declaration out of the bytes where browsers look for it.
inline constexpr auto kPushesCharset =
    QT_TRANSLATE_NOOP("velko::DocumentCommands",
                      "the update would move the charset declaration past the first 1,024 bytes");

template <typename Text> struct TagUpdate {
    bool headFound = false;
    // The update would end the page's first charset declaration past the
    // first 1,024 bytes, where browsers look for it: not to be written.
    bool pushesCharset = false;
    Text page;                      // the updated page
    std::vector<TagChange> changes; // in page order; none when the page had the tags already
    std::vector<KeptKind> kept;     // in block order

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
// values and lines go in encoded the same way, with the page's line breaks.
TagUpdate<QByteArray> updateTags(QByteArrayView page, std::span<const TagLine> lines);

// The charset the update makes the page declare, when the page holds more
// than ASCII and is in another encoding (`savedAs`, the encoding the page is
// saved in): a browser would then read its text wrong. Empty otherwise, and
// when a byte-order mark decides.
QByteArray misdeclaredCharset(QStringView page, const TagUpdate<QString> &update,
                              const TextFormat &savedAs);
// The same for a page's bytes, whose text is in the encoding detectEncoding
// finds in them: a page declared UTF-8 must be valid UTF-8.
QByteArray misdeclaredCharset(QByteArrayView page, const TagUpdate<QByteArray> &update);

} // namespace velko
