#pragma once

// The site editor's edits: each page's own title and description, as the
// table or a title list gives them, written through the update, so that only
// those two values change and every other byte stays.

#include "document/PageUpdate.h"
#include "document/SiteUpdate.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace velko {

struct PageEdit {
    QString path;         // the page file
    QString title;        // the new title; empty leaves the page's as it is
    QString description;  // the same for the description
    QByteArray hash = {}; // the page's content hash the edit was made on; empty: not compared
};

// The update's lines for the edit: the title's and the description's rows
// only, none of their copies.
std::vector<TagLine> editLines(const PageEdit &edit);

// The edit's --dry-run diff, or why the page cannot take it.
PageUpdate editDiff(const PageEdit &edit);

struct SaveHooks {
    std::function<bool()> stopped = {};
    // Called as each page is done, on the thread that wrote it: several at
    // once.
    std::function<void(qsizetype edit, const SitePageOutcome &outcome)> pageDone = {};
    // Keeps each page's old bytes before it is written, so the save can be
    // undone; none: not kept.
    UndoRecorder *undo = nullptr;
};

// Writes each edit through updatePage, several pages at once, until `stopped`
// says so; the edits not reached stay NotDone. A page whose hash is not the edit's is not
// written: Failed, kChangedSinceRead.
std::vector<SitePageOutcome> saveEdits(std::span<const PageEdit> edits, const SaveHooks &hooks);

// A row of a title list, the CSV file of page,title,description that
// spreadsheets make: `page` is the path from the site's folder, with "/".
struct TitleRow {
    QString page;
    QString title;
    QString description;

    bool operator==(const TitleRow &) const = default;
};

// The rows of a title list's bytes: UTF-8, with or without a byte-order mark,
// the header row first. A row may leave out its last fields (empty); one with
// more, a header that is not page,title,description, bytes that are not UTF-8
// or a broken quote are refused and `error` says why.
std::optional<std::vector<TitleRow>> readTitleList(QByteArrayView bytes, QString *error);

// The title list of the rows, header first: UTF-8 without a byte-order mark,
// CR LF after each row.
QByteArray titleListBytes(std::span<const TitleRow> rows);

} // namespace velko
