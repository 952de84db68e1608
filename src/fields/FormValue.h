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

// The Web Tags page's controls, each array indexed from the first of that
// page's values in its enum.
struct WebTagsValue {
    std::array<QString, kWebFieldCount> texts;
    std::array<ListValue, kWebListCount> lists;
    std::array<bool, kWebCheckCount> checks = {};

    bool operator==(const WebTagsValue &) const = default;
};

struct FormValue {
    std::array<QString, kFieldCount> texts; // HTMLText, multi-line values with CR LF
    std::array<ListValue, kListCount> lists;
    std::array<bool, kCheckCount> checks = {};
    WebTagsValue web;

private:
    // The array a value is in: one of the first three pages', or of Web Tags.
    template <typename Form> static auto &at(Form &form, Field f) {
        const int i = indexOf(f);
        return i < kFieldCount ? form.texts[i] : form.web.texts[i - kFieldCount];
    }
    template <typename Form> static auto &at(Form &form, List l) {
        const int i = indexOf(l);
        return i < kListCount ? form.lists[i] : form.web.lists[i - kListCount];
    }
    template <typename Form> static auto &at(Form &form, Check c) {
        const int i = indexOf(c);
        return i < kCheckCount ? form.checks[i] : form.web.checks[i - kCheckCount];
    }

public:
    QString &operator[](Field f) { return at(*this, f); }
    const QString &operator[](Field f) const { return at(*this, f); }
    ListValue &operator[](List l) { return at(*this, l); }
    const ListValue &operator[](List l) const { return at(*this, l); }
    bool &operator[](Check c) { return at(*this, c); }
    bool operator[](Check c) const { return at(*this, c); }

    bool operator==(const FormValue &) const = default;
};

// True when text fields 1 to 36 are empty, no list has a chosen item or typed
// text (blanks aside), the three Dublin Core boxes are unchecked and nothing
// on the Web Tags page is filled in or checked. The comment boxes and the
// spare slot do not count.
bool isFormEmpty(const FormValue &form);

// Clear Form Fields: every text field but the spare slot emptied, no list item
// chosen (and an empty edit box), every box unchecked.
void clearForm(FormValue &form);

} // namespace velko
