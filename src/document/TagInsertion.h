#pragma once

// Putting the tag block into an HTML document, right after its head tag.

#include <QString>
#include <QStringView>

namespace velko {

// Offset of the first "<head>" in any ASCII letter case, or -1. A head tag
// with attributes or blanks inside its brackets does not count.
qsizetype findHeadTag(QStringView document);

// True when "<title>", "<meta" or "<link" (any case) occurs in both texts, so
// tags of the same kind may end up twice in the document.
bool tagKindsOverlap(QStringView block, QStringView document);

struct Insertion {
    QString document;      // with the block inserted
    qsizetype blockStart;  // where the block now begins
    qsizetype blockLength; // the block's length
};

// The document up to and including the head tag at `headOffset`, CR LF, the
// block, and the rest of the document. Nothing is removed.
Insertion insertAfterHead(QStringView document, qsizetype headOffset, QStringView block);

// What the insertion says to the user, line by line.
namespace insertion {
inline constexpr auto kNotHtml = "This file does not appear to be a valid HTML file.";
inline constexpr auto kCheckSyntax = "Check the file's HTML syntax and try again.";
inline constexpr auto kNoTags = "No generated tags";
inline constexpr auto kFillIn = "Fill in some of the form fields";
inline constexpr auto kThenGenerate = "Then generate the tags";
inline constexpr auto kSomeSame = "Some of the same generated tag types";
inline constexpr auto kMayAppear = "may already appear in the target HTML file.";
inline constexpr auto kQuestion = "Insert these meta tags into the HTML file?";
} // namespace insertion

} // namespace velko
