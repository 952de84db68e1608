#include "cli/PageBatch.h"

#include <QFile>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>

namespace velko {

namespace {

// The paths in a --files-from list: one a line (LF or CR LF), or each ended
// by a NUL byte. Empty ones are skipped; the rest are taken as written.
QStringList pathsInList(const QByteArray &list, char end) {
    QStringList paths;
    for (QByteArray path : list.split(end)) {
        if (end == '\n' && path.endsWith('\r'))
            path.chop(1);
        if (!path.isEmpty())
            paths << QFile::decodeName(path);
    }
    return paths;
}

} // namespace

bool pagesNamed(const ModeCall &call) {
    return !call.operands().isEmpty() || call.parser.isSet(call.options.filesFrom);
}

std::optional<QStringList> givenPages(const ModeCall &call) {
    QStringList pages = call.operands();
    if (!call.parser.isSet(call.options.filesFrom))
        return pages;
    const std::optional<QByteArray> list =
        call.session.readInput(call.parser.value(call.options.filesFrom));
    if (!list)
        return {};
    return pages + pathsInList(*list, call.parser.isSet(call.options.nulSeparated) ? '\0' : '\n');
}

// The pages are done a batch at a time, so that the output starts early and
// only a batch's outcomes are held at once.
int runOnPages(Session &session, const QStringList &pages, const PageWork &work, int threads) {
    QThreadPool pool;
    pool.setMaxThreadCount(threads);
    constexpr qsizetype kBatch = 256;
    int code = kDone;
    for (qsizetype first = 0; first < pages.size(); first += kBatch) {
        const QList<PageOutcome> outcomes =
            QtConcurrent::blockingMapped<QList<PageOutcome>>(&pool, pages.mid(first, kBatch), work);
        for (qsizetype i = 0; i < outcomes.size(); ++i) {
            const QString &path = pages[first + i];
            const PageOutcome &outcome = outcomes[i];
            if (!outcome.error.isEmpty()) {
                code = session.fail(kFailed, path + QStringLiteral(": ") + outcome.error);
                continue;
            }
            session.print(outcome.out);
            if (!outcome.note.isEmpty())
                session.warn(path + QStringLiteral(": ") + outcome.note);
            if (outcome.failed)
                code = kFailed;
        }
    }
    return code;
}

} // namespace velko
