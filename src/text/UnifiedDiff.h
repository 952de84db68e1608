#pragma once

// The unified diff of a file that a few stretches of bytes changed, in the
// format of `diff -u` (3 lines of context), which `patch` applies. Lines end
// at LF, as diff and patch count them.

#include "base/PageView.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <span>

namespace velko {

// A stretch `before` of the old bytes became the stretch `after` of the new.
struct Splice {
    Span before;
    Span after;
};

// "--- NAME", "+++ NAME" and the hunks; empty when nothing changed. The
// splices are in order and do not overlap.
QByteArray unifiedDiff(const QString &name, QByteArrayView before, QByteArrayView after,
                       std::span<const Splice> splices);

} // namespace velko
