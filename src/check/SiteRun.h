#pragma once

// A check of many pages as one site: each page checked on a pool of threads,
// then the site rules over what every page said.

#include "check/SiteCheck.h"

#include <QThread>
#include <functional>

namespace velko {

struct CheckedFile {
    QString error;                 // why the page could not be read; empty when it was
    std::vector<Finding> findings; // the page's and the site's, in page order
    QString title = {};            // as shown, when the run keeps texts
    QString description = {};
};

struct SiteRun {
    std::vector<CheckedFile> pages; // in the order of the run
    // Pages that share a title or a description, largest group first.
    std::vector<std::vector<qsizetype>> sharedTitles;
    std::vector<std::vector<qsizetype>> sharedDescriptions;
};

// What a run in the background is told and asked: `pageDone` is called, on
// any thread, as each page is read; once `stopped` says so, the pages not yet
// read are skipped and the run is incomplete.
// `pageRead` is handed the bytes of each page read, on its worker, before
// `pageDone`, for whatever else is to be learnt from them in the same read.
struct SiteRunHooks {
    std::function<void()> pageDone = {};
    std::function<bool()> stopped = {};
    std::function<void(qsizetype page, QByteArrayView bytes)> pageRead = {};
};

// Checks the pages at `paths`, the pages of `map`; `paths` also name them in
// messages. With `keepTexts`, each page's title and description are kept.
SiteRun checkSite(const QStringList &paths, const SiteMap &map, bool keepTexts,
                  int threads = QThread::idealThreadCount(), const SiteRunHooks &hooks = {});

} // namespace velko
