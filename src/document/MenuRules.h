#pragma once

// Which items of the File, Form and Tags menus are offered, worked out afresh
// each time a menu opens (and before a shortcut acts) from the form and the two
// text areas. Items not named here are always enabled.

#include <QStringView>

namespace velko {

struct FileMenuState {
    bool save = true;
    bool saveAs = true;
    bool close = true;
    bool operator==(const FileMenuState &) const = default;
};

struct FormMenuState {
    bool clearAll = true;
    bool operator==(const FormMenuState &) const = default;
};

struct TagsMenuState {
    bool generate = true;
    bool insert = true;
    bool copy = true;
    bool saveAs = true;
    bool check = true;
    bool operator==(const TagsMenuState &) const = default;
};

// Saving is offered once the document is neither empty nor the untouched
// skeleton; closing, once it is not empty.
FileMenuState fileMenuRules(QStringView document);
FormMenuState formMenuRules(bool formEmpty);
// Insert, Copy and Save Tags As look at the text areas only, so they stay
// offered with an empty form while an earlier tag block is still shown;
// Check Page needs only a document.
TagsMenuState tagsMenuRules(bool formEmpty, QStringView document, QStringView tags);

} // namespace velko
