// --update: the pages' tags brought up to date with the form, printed, written
// to --output, written back (--in-place) or shown as a diff (--dry-run).

#include "cli/PageBatch.h"
#include "document/PageUpdate.h"
#include "document/SiteUpdate.h"
#include "document/TagInsertion.h"
#include "files/FileWrite.h"
#include "files/UndoStore.h"
#include "seams/Settings.h"

namespace velko {

namespace {

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
    std::optional<UndoRecorder> undo;
    if (target.backup && output == UpdateOutput::WriteBack)
        undo.emplace(undoFolderIn(dataFolderPath()), QStringLiteral("velko --update --in-place"));
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
    // The pages are written: without the manifest --undo cannot take them back.
    if (QString error; undo && !undo->finish(&error))
        return session.fail(kFailed,
                            QStringLiteral("the pages written cannot be undone: ") + error);
    return code;
}

} // namespace

int runUpdate(const ModeCall &call) {
    const QCommandLineParser &parser = call.parser;
    const CommandLineOptions &options = call.options;
    const bool inPlace = parser.isSet(options.inPlace);
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
