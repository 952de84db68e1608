#include "commands/SiteTable.h"

#include "check/SiteRun.h"
#include "files/FileSnapshot.h"
#include "files/SitePages.h"
#include "import/MetaTagReader.h"
#include "tags/WebPreview.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <algorithm>

namespace velko {

namespace {

void measure(SiteRow &row) {
    row.titlePixels = searchTitlePixels(row.currentTitle());
    row.descriptionPixels = searchDescriptionPixels(row.currentDescription());
}

// The edit in `edited`: none when `text` is the value read or empty.
bool edit(SiteRow &row, QString SiteRow::*edited, const QString &read, const QString &text) {
    const QString now = text.isEmpty() || text == read ? QString() : text;
    if (now.isNull() == (row.*edited).isNull() && now == row.*edited)
        return false;
    row.*edited = now;
    measure(row);
    return true;
}

// Marks each row whose `text` another row has too.
void markShared(std::vector<SiteRow> &rows, const QString &(SiteRow::*text)() const,
                bool SiteRow::*mark) {
    QHash<QString, int> counts;
    std::vector<QString> keys(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        keys[i] = (rows[i].*text)().simplified();
        if (!keys[i].isEmpty())
            ++counts[keys[i]];
    }
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i].*mark = !keys[i].isEmpty() && counts.value(keys[i]) > 1;
}

} // namespace

std::optional<Severity> SiteRow::worstSeverity() const {
    std::optional<Severity> worst;
    for (const Finding &finding : findings)
        if (!worst || finding.severity() < *worst) // Error comes first
            worst = finding.severity();
    return worst;
}

std::optional<SiteTable> readSiteTable(const QString &folder, int threads,
                                       const SiteReadHooks &hooks) {
    const auto stopped = [&hooks] { return hooks.stopped && hooks.stopped(); };
    const QStringList pages = pagesInFolder(folder, stopped);
    if (stopped())
        return std::nullopt;
    if (hooks.found)
        hooks.found(pages.size());
    SiteTable table{QFileInfo(folder).absoluteFilePath(), std::vector<SiteRow>(pages.size())};
    // The reader takes each page's bytes as the checker reads them: one read a page.
    const SiteRunHooks run{hooks.pageDone, stopped, [&table](qsizetype page, QByteArrayView bytes) {
                               SiteRow &row = table.rows[page];
                               FormValue form;
                               readMetaTags(bytes, detectEncoding(bytes), form);
                               row.title = form[Field::Title];
                               row.description = form[Field::Description];
                               row.robots = form[List::Robot].text;
                               row.canonical = form[Field::CanonicalUrl];
                               row.hash = contentHash(bytes);
                               measure(row);
                           }};
    SiteRun site = checkSite(pages, SiteMap(pages, table.folder, {}), false, threads, run);
    if (stopped())
        return std::nullopt;
    const QDir root(table.folder);
    for (qsizetype i = 0; i < pages.size(); ++i) {
        SiteRow &row = table.rows[i];
        row.page = root.relativeFilePath(pages[i]);
        row.error = std::move(site.pages[i].error);
        row.findings = std::move(site.pages[i].findings);
    }
    markShared(table.rows);
    return table;
}

bool editTitle(SiteRow &row, const QString &text) {
    return edit(row, &SiteRow::newTitle, row.title, text);
}

bool editDescription(SiteRow &row, const QString &text) {
    return edit(row, &SiteRow::newDescription, row.description, text);
}

void markShared(std::vector<SiteRow> &rows) {
    markShared(rows, &SiteRow::currentTitle, &SiteRow::sharedTitle);
    markShared(rows, &SiteRow::currentDescription, &SiteRow::sharedDescription);
}

bool passes(const SiteRow &row, const RowFilter &filter) {
    if ((filter.withFindings && row.findings.empty()) ||
        (filter.sharedTitles && !row.sharedTitle) ||
        (filter.sharedDescriptions && !row.sharedDescription) || (filter.changed && !row.changed()))
        return false;
    const QString &text = filter.text;
    return text.isEmpty() || row.page.contains(text, Qt::CaseInsensitive) ||
           row.currentTitle().contains(text, Qt::CaseInsensitive) ||
           row.currentDescription().contains(text, Qt::CaseInsensitive);
}

PendingEdits pendingEdits(const SiteTable &table) {
    PendingEdits pending;
    const QDir root(table.folder);
    for (qsizetype i = 0; i < qsizetype(table.rows.size()); ++i) {
        const SiteRow &row = table.rows[i];
        if (!row.changed())
            continue;
        pending.rows.push_back(i);
        pending.edits.push_back(
            {root.filePath(row.page), row.newTitle, row.newDescription, row.hash});
    }
    return pending;
}

QStringList takeSaved(SiteTable &table, const PendingEdits &pending,
                      std::span<const SitePageOutcome> outcomes) {
    QStringList notSaved;
    for (size_t i = 0; i < pending.rows.size() && i < outcomes.size(); ++i) {
        SiteRow &row = table.rows[pending.rows[i]];
        const SitePageOutcome &outcome = outcomes[i];
        using Kind = SitePageOutcome::Kind;
        if (outcome.kind == Kind::Changes || outcome.kind == Kind::Unchanged) {
            row.title = row.currentTitle();
            row.description = row.currentDescription();
            row.newTitle = row.newDescription = QString();
            row.hash = outcome.hash;
        } else if (outcome.kind != Kind::NotDone) {
            notSaved << row.page + QStringLiteral(": ") +
                            (outcome.kind == Kind::NoHead ? QStringLiteral("not an HTML page")
                                                          : outcome.error);
        }
    }
    return notSaved;
}

std::vector<TitleRow> titleList(const SiteTable &table) {
    std::vector<TitleRow> rows;
    rows.reserve(table.rows.size());
    for (const SiteRow &row : table.rows)
        rows.push_back({row.page, row.currentTitle(), row.currentDescription()});
    return rows;
}

QStringList applyTitleList(SiteTable &table, std::span<const TitleRow> rows) {
    QHash<QString, qsizetype> rowOf;
    for (qsizetype i = 0; i < qsizetype(table.rows.size()); ++i)
        rowOf.insert(table.rows[i].page, i);
    QStringList unknown;
    for (const TitleRow &listed : rows) {
        const auto found = rowOf.constFind(listed.page);
        if (found == rowOf.constEnd()) {
            unknown << listed.page;
            continue;
        }
        SiteRow &row = table.rows[*found];
        if (!listed.title.isEmpty())
            editTitle(row, listed.title);
        if (!listed.description.isEmpty())
            editDescription(row, listed.description);
    }
    markShared(table.rows);
    return unknown;
}

} // namespace velko
