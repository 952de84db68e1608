#pragma once

#include "fields/FormValue.h"
#include "tags/TagTable.h"

#include <QString>

namespace velko {

// The tag block for a form: one line for each row of the tag table that
// applies, in the table's order, each ending in CR LF; the empty string when
// no line applies. Values go in as typed, except that a double quote inside
// an attribute value is written as &quot; so that it cannot end the attribute
// early.
QString BuildTagBlock(const FormValue &form, DcNameCase dcCase);

} // namespace velko
