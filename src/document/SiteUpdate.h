#pragma once

// Update Tags In Files: the form's tags brought into many pages at once, each
// page as Update Tags In File would leave it, written atomically.

#include "files/UndoStore.h"
#include "tags/TagBlock.h"

#include <QString>
#include <span>
#include <vector>

namespace velko {

// What updating one page would do, or did.
struct SitePageOutcome {
    enum class Kind {
        NotDone,   // not reached (the work was stopped)
        Changes,   // the update changes the page; after updatePage, it was written
        Unchanged, // the page has the tags already
        NoHead,    // no head tag: not an HTML page
        Failed,    // the page could not be read or written: `error` says why
    };
    Kind kind = Kind::NotDone;
    int replaced = 0;
    int added = 0;
    int removed = 0;
    QString error = {};
    QByteArray hash = {}; // after updatePage: the page's content hash as it was left
};

// The tags of a page's own fields (the rows marked pageOwn), as the texts
// that explain keeping them name them: "title, description, ... and canonical
// link". Their Dublin Core and comment copies are not named.
QString pageOwnTagNames();

// The block's lines for the pages. With `keepPageOwn`, the lines of the page's
// own rows (TagRow::pageOwn) are left out, so that those tags of each page stay exactly as they
// are: none replaced, none removed, none added.
std::vector<TagLine> siteTagLines(const FormValue &form, bool keepPageOwn);

// What the update would do to the page at `path`; nothing is written.
SitePageOutcome previewPage(const QString &path, std::span<const TagLine> lines);

// Updates the page at `path`, read afresh, and writes it back atomically when
// it changes (Kind::Changes). A page that cannot be written is left as it was,
// and so is one whose content hash is no longer `expectedHash`, when given.
// With `undo`, its old bytes are kept there before it is written, so that the
// run can be undone.
SitePageOutcome updatePage(const QString &path, std::span<const TagLine> lines,
                           UndoRecorder *undo = nullptr, QByteArrayView expectedHash = {});

} // namespace velko
