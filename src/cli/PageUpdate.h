#pragma once

// --update on one page file: its bytes updated in their own encoding and line
// breaks, every other byte as it was.

#include "document/TagUpdate.h"

#include <QString>
#include <span>

namespace velko {

struct PageUpdate {
    QString error;     // why the page could not be updated; empty when it was
    QByteArray before; // the page as it was read
    TagUpdate<QByteArray> update;

    bool changed() const { return !update.changes.empty(); }
    // "replaced 3, added 5, removed 2", or "unchanged".
    QString summary() const;
    // The unified diff from the page as it was to the update, naming the
    // page `name`; empty when nothing changed.
    QByteArray diff(const QString &name) const;
};

// Reads the page at `path` (a regular file) and updates it with the lines.
PageUpdate updatePageFile(const QString &path, std::span<const TagLine> lines);

} // namespace velko
