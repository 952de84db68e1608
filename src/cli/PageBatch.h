#pragma once

// What the modes that take many pages (--read, --check, --update) share: the
// pages they are given, the work on each page on a pool of threads, and the
// output, the messages and the exit code, in the order the pages were given.

#include "cli/Modes.h"

#include <QThread>
#include <functional>

namespace velko {

// What became of one page.
struct PageOutcome {
    QByteArray out = {}; // for standard output
    QString error = {};  // why the page failed ("velko: PAGE: <error>"); nothing else is shown
    QString note = {};   // after the output, on standard error: "velko: PAGE: <note>"
    bool failed = false; // the page was done, but fails the command (--check found an error)
};

using PageWork = std::function<PageOutcome(const QString &path)>;

// Pages are named, on the command line or by a --files-from list (which may
// turn out empty).
bool pagesNamed(const ModeCall &call);

// The pages named on the command line, then those of the --files-from list.
// None when the list cannot be read; the session has said why.
std::optional<QStringList> givenPages(const ModeCall &call);

// Does `work` on each page, on `threads` threads at once, and shows the
// outcomes in the order of `pages`. Returns kFailed when a page failed,
// kDone otherwise.
int runOnPages(Session &session, const QStringList &pages, const PageWork &work,
               int threads = QThread::idealThreadCount());

} // namespace velko
