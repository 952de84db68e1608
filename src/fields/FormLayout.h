#pragma once

// The rows of the four field pages, top to bottom and page by page. The pages
// are built from this table, and it is also the keyboard tab order.

#include "fields/FieldCatalogue.h"

#include <span>

namespace velko {

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
