#pragma once

// How every file Velko writes is written, so that the file the system would
// open is the one that gets the bytes and keeps what it was.
//
// The path is resolved as the system resolves it (links in any of its
// folders too); a dangling link or a loop is refused. A regular file is
// replaced by a temporary file beside it, synced and renamed over it, which
// takes over its owner, group, mode bits and extended attributes (ACLs among
// them). A file with more than one hard link, or one whose owner or
// attributes the new file could not take, is written in place instead, after
// a verified copy of its old bytes is made beside it; the copy goes once the
// new bytes are synced, so every name sees the new page and a crash leaves the
// old bytes or the copy. Anything but a regular file is refused ("Not a
// regular file"), but where the rules allow streams a FIFO or a character
// device is written into.

#include "files/FileSnapshot.h"

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace velko {

struct WriteRules {
    // A FIFO, a character device or the process's own streams (/dev/stdout,
    // /dev/fd/N) are written into as streams, never replaced: for --output.
    bool streams = false;
    // Velko's own files: readable and writable by their owner only.
    bool ownerOnly = false;
    // When set, the file must still hold exactly these bytes just before it
    // is replaced; otherwise nothing is written and the write is Changed.
    std::optional<QByteArrayView> expected = std::nullopt;
    // When set, receives the snapshot of the file as written.
    FileSnapshot *written = nullptr;
};

enum class WriteResult { Written, Failed, Changed };

// Writes `bytes` to the file at `path`. On failure, `error` says why and the
// file holds its old bytes.
WriteResult writeFile(const QString &path, QByteArrayView bytes, const WriteRules &rules,
                      QString *error);

inline bool writeFileSafely(const QString &path, QByteArrayView bytes, QString *error,
                            const WriteRules &rules = {}) {
    return writeFile(path, bytes, rules, error) == WriteResult::Written;
}

// The path the system would open for `path`, every link followed, absolute;
// for a file that does not exist yet, its name in its folder's resolved path.
// A dangling link or a loop has none: `error` says why.
std::optional<QString> resolvePath(const QString &path, QString *error);

} // namespace velko
