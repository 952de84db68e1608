#pragma once

#include "fields/FormValue.h"

#include <QString>

namespace velko {

// Dublin Core names as "DC.Title" (everywhere) or "DC.title" (Save File As).
enum class DcNameCase { Capitalised, LowerCase };

// The tag block for a form: up to 38 lines in a fixed order, each ending in
// CR LF; the empty string when no line applies. Values go in as typed, except
// that a double quote inside an attribute value is written as &quot; so that
// it cannot end the attribute early.
QString BuildTagBlock(const FormValue &form, DcNameCase dcCase);

} // namespace velko
