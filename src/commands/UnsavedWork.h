#pragma once

#include <functional>

namespace velko {

class DesktopServices;

// One part of the work a command is about to replace or drop: whether it has
// changes, and how they are saved (true once they are).
struct UnsavedPart {
    bool changed = false;
    std::function<bool()> save = {};
};

// The question before changed work is replaced or dropped: about the
// document, the form, or both in one question that names both. Save, the
// default, saves each changed part in turn, the document first, and goes on
// only once all of them are saved; Discard goes on; Cancel does not. With
// nothing changed it asks nothing and goes on. Returns whether to go on.
[[nodiscard]] bool askToSave(DesktopServices &desktop, const UnsavedPart &document,
                             const UnsavedPart &form);

// The same question about the site editor's edits of its pages.
[[nodiscard]] bool askToSaveEdits(DesktopServices &desktop, const UnsavedPart &edits);

} // namespace velko
