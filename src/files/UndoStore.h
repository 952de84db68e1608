#pragma once

// The undo of a write to many pages. Before a run replaces a page, the page's
// old bytes are kept in a folder of that run, and once the run ends a manifest
// names each page with the hash of its bytes before and after. Undoing the run
// puts back every page that still holds what the run wrote; a page changed
// since is left alone. The last kUndoRunsKept runs of every kind are kept,
// the oldest pruned first. The folders are their owner's alone (0700), and so
// are the files (0600): the pages may not be meant for others' eyes.

#include <QByteArrayView>
#include <QDateTime>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>

namespace velko {

constexpr int kUndoRunsKept = 10;

// Where the runs are kept, in Velko's data folder; none without one.
QString undoFolderIn(const QString &dataFolder);

// One run being recorded. Pages may be kept from many threads at once.
class UndoRecorder {
public:
    // A run of `kind` (how the user started it: "Update Tags In Files") under
    // `root`. Its folder is made when the first page is kept.
    UndoRecorder(QString root, QString kind);
    ~UndoRecorder() { finish(); }
    UndoRecorder(const UndoRecorder &) = delete;
    UndoRecorder &operator=(const UndoRecorder &) = delete;

    // Keeps `before`, the bytes of the page at `path`, which are about to be
    // replaced with `after`. False, with `error`, when they could not be kept:
    // then the page is not to be written.
    bool keep(const QString &path, QByteArrayView before, QByteArrayView after, QString *error);
    // The page kept last under `path` was not written after all.
    void drop(const QString &path);
    // Writes the manifest and prunes the oldest runs; a run that kept no page
    // leaves nothing behind. Later calls do nothing.
    bool finish(QString *error = nullptr);

    int pageCount() const;

private:
    struct Kept {
        QString file; // in the run's folder
        QByteArray before;
        QByteArray after;
        QByteArray previousAfter; // when the page was written earlier in this run
    };

    QString m_root;
    QString m_kind;
    QDateTime m_started;
    mutable QMutex m_mutex;
    QString m_folder;                // empty until the first page is kept
    std::map<QString, Kept> m_pages; // by resolved path
    int m_files = 0;
    bool m_finished = false;
};

// A recorded run that can be undone.
struct UndoRun {
    QString folder;
    QString kind;
    QDateTime started;
    int pages = 0;
};

// The newest run under `root` that was not undone yet.
std::optional<UndoRun> lastUndoRun(const QString &root);

struct UndoResult {
    QStringList restored;
    QStringList leftAlone; // "PAGE: changed since the update"
    QStringList failed;    // "PAGE: why"
    QString error;         // why the run could not be undone at all
};

// Puts back the pages of `run` that still hold what it wrote, through the
// safe writer, and marks the run undone, so that the next undo takes the run
// before it. The lists are in the manifest's order.
UndoResult undoRun(const UndoRun &run);

} // namespace velko
