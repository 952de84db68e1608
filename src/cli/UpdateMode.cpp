// --update: the pages' tags brought up to date with the form, printed, written
// to --output, written back (--in-place) or shown as a diff (--dry-run).

#include "cli/PageBatch.h"
#include "document/PageUpdate.h"
#include "document/SiteEdits.h"
#include "document/SiteUpdate.h"
#include "document/TagInsertion.h"
#include "files/FileWrite.h"
#include "files/SitePages.h"
#include "files/UndoStore.h"
#include "seams/Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace velko {

namespace {

// With --backup, the run that keeps the old bytes of the pages it writes.
std::optional<UndoRecorder> backupRun(bool backup) {
    if (!backup)
        return std::nullopt;
    return std::make_optional<UndoRecorder>(undoFolderIn(dataFolderPath()),
                                            QStringLiteral("velko --update --in-place"));
}

// The pages are written: without the manifest --undo cannot take them back.
int finishBackup(Session &session, std::optional<UndoRecorder> &undo, int code) {
    if (QString error; undo && !undo->finish(&error))
        return session.fail(kFailed,
                            QStringLiteral("the pages written cannot be undone: ") + error);
    return code;
}

struct UpdateTarget {
    QString output; // --output: the one page's new file
    bool inPlace = false;
    bool dryRun = false;
    bool keepPageFields = false;
    bool backup = false;
};

// The reports and the output come in the order given.
int update(Session &session, const QString &formPath, const QStringList &pages,
           const UpdateTarget &target) {
    const std::optional<FormValue> form = session.readForm(formPath);
    if (!form)
        return kUsage;
    const std::vector<TagLine> lines = siteTagLines(*form, target.keepPageFields);
    if (lines.empty())
        return session.fail(kFailed, QString::fromUtf8(insertion::kNoTags));
    const UpdateOutput output = target.dryRun    ? UpdateOutput::Diff
                                : target.inPlace ? UpdateOutput::WriteBack
                                                 : UpdateOutput::Page;
    // "--output -" is standard output, where the page goes without --output.
    const bool toFile = output == UpdateOutput::Page && !target.output.isEmpty() &&
                        target.output != QLatin1String("-");
    std::optional<UndoRecorder> undo =
        backupRun(target.backup && output == UpdateOutput::WriteBack);
    UndoRecorder *recorder = undo ? &*undo : nullptr;
    const auto updatePage = [&](const QString &path) {
        PageUpdate done = updatePageFile(path, lines, output, recorder);
        QString error = done.error;
        if (error.isEmpty() && toFile &&
            !writeFileSafely(target.output, done.output, &error, {.streams = true}))
            error = target.output + QStringLiteral(": ") + error;
        if (!error.isEmpty())
            return PageOutcome{.error = error};
        return PageOutcome{.out = toFile ? QByteArray() : std::move(done.output),
                           .note = done.summary()};
    };
    // Writing a page back mostly waits for the disk (each file is synced),
    // so more pages are in flight than there are cores.
    const int code =
        runOnPages(session, pages, updatePage,
                   output == UpdateOutput::WriteBack ? std::max(8, QThread::idealThreadCount())
                                                     : QThread::idealThreadCount());
    return finishBackup(session, undo, code);
}

// --titles: each page a title list names gets its title and description;
// a row naming no page of the folder is reported and fails the command.
int updateTitles(Session &session, const QString &listPath, const QString &folder, bool dryRun,
                 bool backup) {
    const std::optional<QByteArray> bytes = session.readInput(listPath);
    if (!bytes)
        return kUsage;
    QString error;
    const std::optional<std::vector<TitleRow>> rows = readTitleList(*bytes, &error);
    if (!rows)
        return session.fail(kUsage, listPath + QStringLiteral(": ") + error);
    QSet<QString> pages;
    for (const QString &page : pagesInFolder(folder, [] { return false; }))
        pages.insert(QDir::cleanPath(page));
    QHash<QString, PageEdit> edits;
    QStringList listed;
    int status = kDone;
    for (const TitleRow &row : *rows) {
        const QString path = QDir::cleanPath(folder + u'/' + row.page);
        if (!pages.contains(path)) {
            status = session.fail(kFailed, listPath + QStringLiteral(": ") + row.page +
                                               QStringLiteral(": no such page in ") + folder);
            continue;
        }
        if (!edits.contains(path))
            listed << path;
        edits[path] = {path, row.title, row.description};
    }
    std::optional<UndoRecorder> undo = backupRun(backup && !dryRun);
    const auto edit = [&](const QString &path) {
        const PageEdit &page = edits[path];
        if (page.title.isEmpty() && page.description.isEmpty())
            return PageOutcome{.note = QStringLiteral("unchanged")};
        PageUpdate done = updatePageFile(path, editLines(page),
                                         dryRun ? UpdateOutput::Diff : UpdateOutput::WriteBack,
                                         undo ? &*undo : nullptr);
        if (!done.error.isEmpty())
            return PageOutcome{.error = done.error};
        return PageOutcome{.out = std::move(done.output), .note = done.summary()};
    };
    const int pagesStatus =
        runOnPages(session, listed, edit,
                   dryRun ? QThread::idealThreadCount() : std::max(8, QThread::idealThreadCount()));
    return finishBackup(session, undo, std::max(status, pagesStatus));
}

} // namespace

int runUpdate(const ModeCall &call) {
    const QCommandLineParser &parser = call.parser;
    const CommandLineOptions &options = call.options;
    const bool inPlace = parser.isSet(options.inPlace);
    if (parser.isSet(options.titles)) {
        if (!parser.value(options.update).isEmpty() || !inPlace ||
            parser.isSet(options.keepPageFields) || parser.isSet(options.filesFrom) ||
            call.operands().size() != 1 || !QFileInfo(call.operands().front()).isDir())
            return call.session.usageError(
                QStringLiteral("--titles goes as --update --titles FILE --in-place FOLDER"));
        return updateTitles(call.session, parser.value(options.titles), call.operands().front(),
                            parser.isSet(options.dryRun), parser.isSet(options.backup));
    }
    if (inPlace && parser.isSet(options.output))
        return call.session.usageError(QStringLiteral("--output does not go with --in-place"));
    if (!inPlace && parser.isSet(options.backup))
        return call.session.usageError(QStringLiteral("--backup goes with --update --in-place"));
    if (!inPlace && parser.isSet(options.filesFrom))
        return call.session.usageError(
            QStringLiteral("--files-from goes with --update --in-place"));
    if (parser.value(options.update) == QLatin1String("-") &&
        parser.value(options.filesFrom) == QLatin1String("-"))
        return call.session.usageError(
            QStringLiteral("the form file and the --files-from list cannot both be \"-\""));
    if (inPlace ? !pagesNamed(call) : call.operands().size() != 1)
        return call.session.usageError(QStringLiteral(
            "--update takes a form file and one page, or with --in-place one or more pages"));
    const std::optional<QStringList> pages = givenPages(call);
    if (!pages)
        return kUsage;
    return update(call.session, parser.value(options.update), *pages,
                  {parser.value(options.output), inPlace, parser.isSet(options.dryRun),
                   parser.isSet(options.keepPageFields), parser.isSet(options.backup)});
}

} // namespace velko
