#pragma once

// The rows of the three field pages, top to bottom and page by page. The pages
// are built from this table, and it is also the keyboard tab order.

#include "fields/FieldCatalogue.h"

#include <span>

namespace velko {

struct Control {
    enum class Kind { None, Text, List, Check };
    Kind kind = Kind::None;
    int id = 0;

    static constexpr Control text(Field f) { return {Kind::Text, indexOf(f)}; }
    static constexpr Control list(List l) { return {Kind::List, indexOf(l)}; }
    static constexpr Control check(Check c) { return {Kind::Check, indexOf(c)}; }
    explicit constexpr operator bool() const { return kind != Kind::None; }
};

// One row: the row's label in the label column, then its control. A control
// whose catalogue label differs from the row label gets that label in front of
// it on the row (the refresh row reads "Refresh", "Go to", URL, "after",
// seconds, "sec."). Labels are English source texts, translated by formText().
struct FormRow {
    Page page;
    const char *label; // empty for the comment check boxes
    Control main;
    Control second = {};
    const char *trailing = "";
};

std::span<const FormRow> formRows();

// The label a control carries in the catalogue ("Go to", "Use Title", ...):
// the English source text, which the rows are compared with.
const char *catalogueLabel(Control control);
// That label translated for display.
QString controlLabel(Control control);
// The tooltip of a control, translated; empty when it has none.
QString controlTooltip(Control control);
// The name a screen reader announces for a control on a row, translated: its
// label, with the row label in front where the control's own label would not
// say enough.
QString accessibleName(const FormRow &row, Control control);

} // namespace velko
