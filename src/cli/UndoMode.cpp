// --undo: the last run that kept its pages' old bytes, taken back.

#include "cli/Modes.h"
#include "files/UndoStore.h"
#include "seams/Settings.h"

namespace velko {

// Each page gets a line on standard error; a page left alone or not put back
// fails the command, as the run is then not wholly undone.
int runUndo(const ModeCall &call) {
    Session &session = call.session;
    if (!call.operands().isEmpty())
        return session.usageError(QStringLiteral("--undo takes no pages"));
    const QString root = undoFolderIn(dataFolderPath());
    const std::optional<UndoRun> run = lastUndoRun(root);
    if (!run)
        return session.fail(kFailed, QStringLiteral("no update to undo in ") + root);
    const UndoResult result = undoRun(*run);
    if (!result.error.isEmpty())
        return session.fail(kFailed, result.error);
    for (const QString &page : result.restored)
        session.warn(page + QStringLiteral(": restored"));
    for (const QString &page : result.leftAlone)
        session.fail(kFailed, page + QStringLiteral(", left alone"));
    for (const QString &page : result.failed)
        session.fail(kFailed, page);
    return result.leftAlone.isEmpty() && result.failed.isEmpty() ? kDone : kFailed;
}

} // namespace velko
