#include "document/PageUpdate.h"

#include "document/TagInsertion.h"
#include "document/TagUpdate.h"
#include "files/FileWrite.h"
#include "files/PageFile.h"
#include "files/TextFile.h"
#include "text/UnifiedDiff.h"

#include <vector>

namespace velko {

namespace {

// What was kept goes before the diff, where patch reads no change.
QByteArray diff(const QString &name, QByteArrayView before, const TagUpdate<QByteArray> &update,
                const QStringList &kept) {
    std::vector<Splice> splices;
    for (const TagChange &change : update.changes)
        splices.push_back({change.oldSpan, change.newSpan});
    QByteArray out;
    for (const QString &note : kept)
        out += note.toUtf8() + '\n';
    return out + unifiedDiff(name, before, update.page, splices);
}

// Updates the page read as `file`; with WriteBack the result is Changed when
// another program changed the page since.
PageUpdate updateRead(const PageFile &file, const QString &path, std::span<const TagLine> lines,
                      UpdateOutput output, UndoRecorder *undo, QByteArrayView expectedHash,
                      WriteResult *written) {
    if (!file.error().isEmpty())
        return {.error = file.error()};
    if (!expectedHash.isEmpty() && contentHash(file.bytes()) != expectedHash)
        return {.error = QString::fromUtf8(kChangedSinceRead)};
    const TagUpdate<QByteArray> update = updateTags(file.bytes(), lines);
    if (!update.headFound)
        return {.error = QString::fromUtf8(insertion::kNotHtml), .noHead = true};
    if (const QByteArray charset = misdeclaredCharset(file.bytes(), update); !charset.isEmpty())
        return {.error =
                    QStringLiteral("the tags would declare the charset %1, but the page is "
                                   "written in %2")
                        .arg(QString::fromLatin1(charset), detectEncoding(file.bytes()).name())};
    if (update.pushesCharset)
        return {.error = QString::fromUtf8(kPushesCharset)};
    PageUpdate result{.replaced = update.count(TagChangeKind::Replaced),
                      .added = update.count(TagChangeKind::Added),
                      .removed = update.count(TagChangeKind::Removed)};
    for (const KeptKind &kept : update.kept)
        result.kept << keptText(kept);
    switch (output) {
    case UpdateOutput::None:
        break;
    case UpdateOutput::Page:
        result.output = update.page;
        break;
    case UpdateOutput::Diff:
        result.output = diff(path, file.bytes(), update, result.kept);
        break;
    case UpdateOutput::WriteBack: {
        // The bytes read were checked against the expected hash, if any.
        const auto readHash = [&] {
            return expectedHash.isEmpty() ? contentHash(file.bytes()) : expectedHash.toByteArray();
        };
        if (update.changes.empty()) {
            result.hash = readHash();
            break;
        }
        if (undo && !undo->keep(path, file.bytes(), update.page, &result.error)) {
            result.error =
                QStringLiteral("its old bytes could not be kept for undo: ") + result.error;
            *written = WriteResult::Failed;
            break;
        }
        FileSnapshot snapshot;
        *written = writeFile(path, update.page, {.expected = file.bytes(), .written = &snapshot},
                             &result.error);
        if (undo && *written != WriteResult::Written)
            undo->drop(path);
        result.hash = *written == WriteResult::Written ? snapshot.hash : readHash();
        break;
    }
    }
    return result;
}

} // namespace

QString PageUpdate::summary() const {
    const QString done = changed() ? QStringLiteral("replaced %1, added %2, removed %3")
                                         .arg(replaced)
                                         .arg(added)
                                         .arg(removed)
                                   : QStringLiteral("unchanged");
    return (QStringList{done} + kept).join(QStringLiteral("; "));
}

// Written back, the page stays locked from the read to the write, and is read
// and updated again when a program that takes no lock changed it meanwhile.
PageUpdate updatePageFile(const QString &path, std::span<const TagLine> lines, UpdateOutput output,
                          UndoRecorder *undo, QByteArrayView expectedHash) {
    if (output != UpdateOutput::WriteBack) {
        WriteResult unused{};
        return updateRead(PageFile(path), path, lines, output, nullptr, expectedHash, &unused);
    }
    constexpr int kTries = 3;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        WriteResult written = WriteResult::Written;
        PageUpdate result = updateRead(PageFile(path, PageLock::Locked), path, lines, output, undo,
                                       expectedHash, &written);
        if (written != WriteResult::Changed)
            return result;
    }
    return {.error = QString::fromUtf8(kChangedWhileUpdated)};
}

} // namespace velko
