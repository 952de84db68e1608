#include "files/UndoStore.h"

#include "files/FileSnapshot.h"
#include "files/FileWrite.h"
#include "files/PageFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>
#include <vector>

namespace velko {

namespace {

const QString kManifest = QStringLiteral("manifest.json");
constexpr QFile::Permissions kPrivateFolder =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
// Restoring waits for the disk (each page is synced), as writing them did.
constexpr int kRestoreThreads = 16;

// The data folder above it too, when the command line makes it.
bool makePrivateFolder(const QString &path) {
    const QString parent = QFileInfo(path).path();
    const bool parentMade = !QFileInfo::exists(parent);
    if (!QDir().mkpath(path))
        return false;
    return (!parentMade || QFile::setPermissions(parent, kPrivateFolder)) &&
           QFile::setPermissions(path, kPrivateFolder);
}

// The run folders under `root`, oldest first: their names start with the
// time the run started.
QStringList runFolders(const QString &root) {
    const QDir dir(root);
    QStringList folders;
    for (const QString &name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        folders << dir.filePath(name);
    return folders;
}

std::optional<QJsonObject> readManifest(const QString &folder) {
    QFile file(folder + QLatin1Char('/') + kManifest);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    if (!document.isObject())
        return std::nullopt;
    return document.object();
}

bool writeManifest(const QString &folder, const QJsonObject &manifest, QString *error) {
    return writeFileSafely(folder + QLatin1Char('/') + kManifest,
                           QJsonDocument(manifest).toJson(QJsonDocument::Compact), error,
                           {.ownerOnly = true});
}

// A page as its manifest names it; none when the entry is not one Velko
// wrote (a kept file's name never leaves its folder).
struct ManifestPage {
    QString path;
    QString file;
    QByteArray before;
    QByteArray after;
};

std::optional<ManifestPage> pageOf(const QJsonValue &value) {
    const QJsonObject entry = value.toObject();
    ManifestPage page{
        entry.value(QLatin1String("path")).toString(),
        entry.value(QLatin1String("file")).toString(),
        QByteArray::fromHex(entry.value(QLatin1String("before")).toString().toLatin1()),
        QByteArray::fromHex(entry.value(QLatin1String("after")).toString().toLatin1())};
    const qsizetype hashSize = contentHash({}).size();
    if (page.path.isEmpty() || page.file.isEmpty() || page.file.contains(QLatin1Char('/')) ||
        page.file.startsWith(QLatin1Char('.')) || page.before.size() != hashSize ||
        page.after.size() != hashSize)
        return std::nullopt;
    return page;
}

enum class Restore { Restored, LeftAlone, Failed };

struct Restored {
    Restore result = Restore::Failed;
    QString text; // "PAGE" or "PAGE: why"
};

// Puts the kept bytes back when the page still holds what the run wrote; a
// page already back as it was before counts as restored.
Restored restore(const QString &folder, const ManifestPage &page) {
    const auto outcome = [&](Restore result, const QString &why = {}) {
        return Restored{result, why.isEmpty() ? page.path : page.path + QStringLiteral(": ") + why};
    };
    QFile keptFile(folder + QLatin1Char('/') + page.file);
    if (!keptFile.open(QIODevice::ReadOnly))
        return outcome(Restore::Failed, QStringLiteral("its old bytes are missing"));
    const QByteArray kept = keptFile.readAll();
    if (contentHash(kept) != page.before)
        return outcome(Restore::Failed, QStringLiteral("its old bytes were damaged"));
    if (!QFileInfo::exists(page.path))
        return outcome(Restore::LeftAlone, QStringLiteral("removed since the update"));
    const PageFile current(page.path, PageLock::Locked);
    if (!current.error().isEmpty())
        return outcome(Restore::Failed, current.error());
    const QByteArray hash = contentHash(current.bytes());
    if (hash == page.before)
        return outcome(Restore::Restored);
    if (hash != page.after)
        return outcome(Restore::LeftAlone, QStringLiteral("changed since the update"));
    QString error;
    switch (writeFile(page.path, kept, {.expected = current.bytes()}, &error)) {
    case WriteResult::Written:
        return outcome(Restore::Restored);
    case WriteResult::Changed:
        return outcome(Restore::LeftAlone, QStringLiteral("changed since the update"));
    case WriteResult::Failed:
        break;
    }
    return outcome(Restore::Failed, error);
}

} // namespace

QString undoFolderIn(const QString &dataFolder) {
    return dataFolder.isEmpty() ? QString() : dataFolder + QStringLiteral("/undo");
}

UndoRecorder::UndoRecorder(QString root, QString kind)
    : m_root(std::move(root))
    , m_kind(std::move(kind))
    , m_started(QDateTime::currentDateTimeUtc()) {}

bool UndoRecorder::keep(const QString &path, QByteArrayView before, QByteArrayView after,
                        QString *error) {
    const std::optional<QString> resolved = resolvePath(path, error);
    if (!resolved)
        return false;
    QString file;
    {
        const QMutexLocker lock(&m_mutex);
        if (m_folder.isEmpty()) {
            if (!makePrivateFolder(m_root)) {
                *error = QStringLiteral("cannot make the folder %1").arg(m_root);
                return false;
            }
            const QString name = m_started.toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) +
                                 QStringLiteral("-%1").arg(QCoreApplication::applicationPid());
            // Another run of this process may have started in the same
            // millisecond.
            for (int n = 1; m_folder.isEmpty() && n < 100; ++n) {
                const QString folder =
                    m_root + QLatin1Char('/') + name +
                    (n > 1 ? QStringLiteral("-%1").arg(n, 2, 10, QLatin1Char('0')) : QString());
                if (QDir().mkdir(folder, kPrivateFolder))
                    m_folder = folder;
            }
            if (m_folder.isEmpty()) {
                *error = QStringLiteral("cannot make a folder in %1").arg(m_root);
                return false;
            }
        }
        if (const auto known = m_pages.find(*resolved); known != m_pages.end()) {
            // Written before in this run: what it was before the run stays kept.
            known->second.previousAfter = known->second.after;
            known->second.after = contentHash(after);
            return true;
        }
        file = QString::number(++m_files);
        m_pages[*resolved] = {file, contentHash(before), contentHash(after), {}};
    }
    if (writeFileSafely(m_folder + QLatin1Char('/') + file, before, error, {.ownerOnly = true}))
        return true;
    const QMutexLocker lock(&m_mutex);
    m_pages.erase(*resolved);
    return false;
}

void UndoRecorder::drop(const QString &path) {
    QString unused;
    const std::optional<QString> resolved = resolvePath(path, &unused);
    if (!resolved)
        return;
    const QMutexLocker lock(&m_mutex);
    const auto known = m_pages.find(*resolved);
    if (known == m_pages.end())
        return;
    if (!known->second.previousAfter.isEmpty()) {
        known->second.after = std::exchange(known->second.previousAfter, {});
        return;
    }
    QFile::remove(m_folder + QLatin1Char('/') + known->second.file);
    m_pages.erase(known);
}

int UndoRecorder::pageCount() const {
    const QMutexLocker lock(&m_mutex);
    return int(m_pages.size());
}

bool UndoRecorder::finish(QString *error) {
    const QMutexLocker lock(&m_mutex);
    if (std::exchange(m_finished, true) || m_folder.isEmpty())
        return true;
    if (m_pages.empty())
        return QDir(m_folder).removeRecursively();
    QJsonArray pages;
    for (const auto &[path, kept] : m_pages)
        pages.append(
            QJsonObject{{QLatin1String("path"), path},
                        {QLatin1String("file"), kept.file},
                        {QLatin1String("before"), QString::fromLatin1(kept.before.toHex())},
                        {QLatin1String("after"), QString::fromLatin1(kept.after.toHex())}});
    const QJsonObject manifest{{QLatin1String("kind"), m_kind},
                               {QLatin1String("started"), m_started.toString(Qt::ISODateWithMs)},
                               {QLatin1String("undone"), false},
                               {QLatin1String("pages"), pages}};
    QString unused;
    if (!writeManifest(m_folder, manifest, error ? error : &unused))
        return false;
    const QStringList folders = runFolders(m_root);
    for (qsizetype i = 0; i + kUndoRunsKept < folders.size(); ++i)
        QDir(folders[i]).removeRecursively();
    return true;
}

std::optional<UndoRun> lastUndoRun(const QString &root) {
    if (root.isEmpty())
        return std::nullopt;
    const QStringList folders = runFolders(root);
    for (auto folder = folders.rbegin(); folder != folders.rend(); ++folder) {
        // A folder without a manifest is a run still going, or one that died.
        const std::optional<QJsonObject> manifest = readManifest(*folder);
        if (!manifest || manifest->value(QLatin1String("undone")).toBool())
            continue;
        return UndoRun{*folder, manifest->value(QLatin1String("kind")).toString(),
                       QDateTime::fromString(manifest->value(QLatin1String("started")).toString(),
                                             Qt::ISODateWithMs),
                       int(manifest->value(QLatin1String("pages")).toArray().size())};
    }
    return std::nullopt;
}

UndoResult undoRun(const UndoRun &run) {
    UndoResult result;
    std::optional<QJsonObject> manifest = readManifest(run.folder);
    if (!manifest) {
        result.error =
            QStringLiteral("the record of the update in %1 cannot be read").arg(run.folder);
        return result;
    }
    std::vector<ManifestPage> pages;
    for (const QJsonValue &value : manifest->value(QLatin1String("pages")).toArray()) {
        if (const std::optional<ManifestPage> page = pageOf(value))
            pages.push_back(*page);
        else
            result.failed << QStringLiteral("%1: not a page Velko kept").arg(run.folder);
    }
    QThreadPool pool;
    pool.setMaxThreadCount(kRestoreThreads);
    const QList<Restored> restored = QtConcurrent::blockingMapped<QList<Restored>>(
        &pool, pages, [&](const ManifestPage &page) { return restore(run.folder, page); });
    for (const Restored &page : restored) {
        QStringList &list = page.result == Restore::Restored    ? result.restored
                            : page.result == Restore::LeftAlone ? result.leftAlone
                                                                : result.failed;
        list << page.text;
    }
    // The run is kept, so that the bytes of the pages left alone are not lost.
    manifest->insert(QLatin1String("undone"), true);
    QString error;
    if (!writeManifest(run.folder, *manifest, &error))
        result.failed << QStringLiteral("%1: %2").arg(run.folder, error);
    return result;
}

} // namespace velko
