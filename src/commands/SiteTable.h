#pragma once

// The site editor's table: a row for each page of a folder with what a
// search result shows of it and what the checker found, and the edits made to
// each page's title and description, until they are saved.

#include "check/PageChecker.h"
#include "document/SiteEdits.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace velko {

struct SiteRow {
    QString page;  // the path from the folder, with "/"
    QString error; // why the page could not be read; empty when it was
    QString title; // as the page has it: the form's Title once the page is imported
    QString description;
    QString robots;
    QString canonical;
    std::vector<Finding> findings; // the page's and the site's, in page order
    QByteArray hash;               // the content hash of the bytes read
    QString newTitle;              // the edit; null when there is none
    QString newDescription;
    int titlePixels = 0; // of the title as it stands, edited or not
    int descriptionPixels = 0;
    bool sharedTitle = false; // another page has the same title as it stands
    bool sharedDescription = false;

    const QString &currentTitle() const { return newTitle.isNull() ? title : newTitle; }
    const QString &currentDescription() const {
        return newDescription.isNull() ? description : newDescription;
    }
    bool changed() const { return !newTitle.isNull() || !newDescription.isNull(); }
    // The most severe of the findings; a page without findings has none.
    std::optional<Severity> worstSeverity() const;
};

struct SiteTable {
    QString folder; // absolute
    std::vector<SiteRow> rows;
};

struct SiteReadHooks {
    std::function<void(qsizetype pages)> found = {}; // once the pages are found
    std::function<void()> pageDone = {};             // on any thread, as each page is read
    std::function<bool()> stopped = {};
};

// The pages under `folder`, found as Update Tags In Files finds them, each
// read with the meta tag reader and checked with the site rules, on
// `threads` threads. Nothing once `stopped` says so.
std::optional<SiteTable> readSiteTable(const QString &folder, int threads,
                                       const SiteReadHooks &hooks = {});

// Sets the row's title or description as edited. The value read, or an
// empty one, which the update would leave as it is, takes the edit back.
// Returns whether the row changed; the shared marks are then out of date.
bool editTitle(SiteRow &row, const QString &text);
bool editDescription(SiteRow &row, const QString &text);

// Marks the titles and descriptions, as they stand, that another row has too
// (blanks collapsed, the empty ones never).
void markShared(std::vector<SiteRow> &rows);

struct RowFilter {
    QString text; // found in the page's path, title or description, in any case
    bool withFindings = false;
    bool sharedTitles = false;
    bool sharedDescriptions = false;
    bool changed = false;
};
bool passes(const SiteRow &row, const RowFilter &filter);

// The edits Save Changes writes, and the rows they were made in.
struct PendingEdits {
    std::vector<qsizetype> rows;
    std::vector<PageEdit> edits;
};
PendingEdits pendingEdits(const SiteTable &table);

// Takes what saving the edits did into the table: a page written, or that
// needed no change, reads as edited; the others keep their edits. Returns the
// pages not saved, each with why: "about.html: changed on disk since it was
// read".
QStringList takeSaved(SiteTable &table, const PendingEdits &pending,
                      std::span<const SitePageOutcome> outcomes);

// Every row's page, title and description as they stand: Export CSV.
std::vector<TitleRow> titleList(const SiteTable &table);

// Import CSV: each title list row's values as edits of its page (an empty one
// leaves that value as it stands). Returns the pages it names that the table
// has not.
QStringList applyTitleList(SiteTable &table, std::span<const TitleRow> rows);

} // namespace velko
