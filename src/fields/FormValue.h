#pragma once

// The tag form as a value: what the window's controls hold at one moment.

#include "fields/FieldCatalogue.h"

#include <QString>
#include <array>

namespace velko {

struct ListValue {
    int index = -1; // the chosen item, -1 when none is chosen
    QString text;   // what the edit box shows: the item's text or typed text

    bool operator==(const ListValue &) const = default;
};

// One array per kind of control, indexed by the catalogue's enums.
struct FormValue {
    std::array<QString, kFieldCount> texts; // multi-line values with CR LF
    std::array<ListValue, kListCount> lists;
    std::array<bool, kCheckCount> checks = {};

    QString &operator[](Field f) { return texts[indexOf(f)]; }
    const QString &operator[](Field f) const { return texts[indexOf(f)]; }
    ListValue &operator[](List l) { return lists[indexOf(l)]; }
    const ListValue &operator[](List l) const { return lists[indexOf(l)]; }
    bool &operator[](Check c) { return checks[indexOf(c)]; }
    bool operator[](Check c) const { return checks[indexOf(c)]; }

    bool operator==(const FormValue &) const = default;
};

// True when every text field and slot is empty, no list has a chosen item or
// typed text (blanks aside) and no box is checked. The spare slot and the
// three comment boxes do not count.
bool isFormEmpty(const FormValue &form);

// Clear Form Fields: every text field but the spare slot emptied, no list item
// chosen (and an empty edit box), every box unchecked.
void clearForm(FormValue &form);

} // namespace velko
