#pragma once

// Putting the tag block into an HTML document, right after the head's charset
// declaration, wherever in the head it stands, or else its head tag: findHead
// in page/PageHead.h says where.

#include "files/TextFile.h"

#include <QString>
#include <QStringView>

namespace velko {

// True when "<title>", "<meta" or "<link" (any case) occurs in both texts, so
// tags of the same kind may end up twice in the document.
bool tagKindsOverlap(QStringView block, QStringView document);

struct Insertion {
    QString document;      // with the block inserted
    qsizetype blockStart;  // where the block now begins
    qsizetype blockLength; // the block's length
};

// The document up to `at`, CR LF, the block, and the rest of the document;
// at the document's end, the block without its last line break. Nothing is
// removed.
Insertion insertAfterHead(QStringView document, qsizetype at, QStringView block);

// The same for a page's own bytes, as read into `page`, with `at` an offset
// in its text: the line break and the block go in in the page's encoding and
// the style of its first line break, and no other byte changes; at the end of
// a page, which has no last line break then, the block gets none either.
QByteArray insertIntoPage(QByteArrayView bytes, const DecodedText &page, qsizetype at,
                          QStringView block);

// What the insertion says to the user, line by line: English for the command
// line, marked for the window, which translates them.
namespace insertion {
inline constexpr auto kNotHtml = QT_TRANSLATE_NOOP(
    "velko::DocumentCommands", "This file does not appear to be a valid HTML file.");
inline constexpr auto kCheckSyntax =
    QT_TRANSLATE_NOOP("velko::DocumentCommands", "Check the file's HTML syntax and try again.");
inline constexpr auto kNoTags = QT_TRANSLATE_NOOP("velko::DocumentCommands", "No generated tags");
inline constexpr auto kFillIn =
    QT_TRANSLATE_NOOP("velko::DocumentCommands", "Fill in some of the form fields");
inline constexpr auto kThenGenerate =
    QT_TRANSLATE_NOOP("velko::DocumentCommands", "Then generate the tags");
inline constexpr auto kSomeSame =
    QT_TRANSLATE_NOOP("velko::DocumentCommands", "Some of the same generated tag types");
inline constexpr auto kMayAppear =
    QT_TRANSLATE_NOOP("velko::DocumentCommands", "may already appear in the target HTML file.");
inline constexpr auto kQuestion =
    QT_TRANSLATE_NOOP("velko::DocumentCommands", "Insert these meta tags into the HTML file?");
} // namespace insertion

} // namespace velko
