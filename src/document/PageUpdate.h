#pragma once

// The update of one page file, for velko --update and Update Tags In Files:
// its bytes updated as they are, in their own encoding and line breaks, every
// other byte as it was.

#include "files/UndoStore.h"
#include "tags/TagBlock.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <span>

namespace velko {

// What becomes of the updated page.
enum class UpdateOutput {
    None,      // only counted: what the update would do
    Page,      // handed back, to be printed or written elsewhere
    Diff,      // a unified diff from the page as it was, handed back
    WriteBack, // written over the page, atomically, when it changed
};

struct PageUpdate {
    QString error = {};  // why the page could not be updated or written back
    bool noHead = false; // the page has no head tag (`error` says so too)
    int replaced = 0;
    int added = 0;
    int removed = 0;
    QStringList kept = {};  // the lines left out: "kept: theme-color is set per media"
    QByteArray output = {}; // the page or the diff, when asked for
    // With WriteBack: the content hash of the page as the update left it,
    // written or not.
    QByteArray hash = {};

    bool changed() const { return replaced + added + removed > 0; }
    // "replaced 3, added 5, removed 2", or "unchanged"; then what was kept:
    // "unchanged; kept: theme-color is set per media"
    QString summary() const;
};

// Reads the page at `path` (a regular file) and updates it with the lines.
// Written back with `undo`, the page's old bytes are kept there first; a page
// whose bytes cannot be kept is not written. With `expectedHash`, a page
// whose bytes no longer have that content hash is left alone:
// kChangedSinceRead.
PageUpdate updatePageFile(const QString &path, std::span<const TagLine> lines, UpdateOutput output,
                          UndoRecorder *undo = nullptr, QByteArrayView expectedHash = {});

} // namespace velko
