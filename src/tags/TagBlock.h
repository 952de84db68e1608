#pragma once

#include "fields/FormValue.h"
#include "tags/TagTable.h"

#include <QString>
#include <vector>

namespace velko {

// One line of the tag block and the row of the tag table it was built from.
struct TagLine {
    const TagRow *row;
    QString text;  // without its line break
    QString value; // the value in it, as the form gives it: unescaped, without the row's prefix
};

// The block's lines, in block order; empty when no row applies.
std::vector<TagLine> BuildTagLines(const FormValue &form, DcNameCase dcCase);

// The tag block for a form: one line for each row of the tag table that
// applies, in the table's order, each ending in CR LF; the empty string when
// no line applies. Values go in as typed, except that a double quote inside
// an attribute value is written as &quot; so that it cannot end the attribute
// early.
QString BuildTagBlock(const FormValue &form, DcNameCase dcCase);

} // namespace velko
