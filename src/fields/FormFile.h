#pragma once

// Form files: the tag form as one JSON object (UTF-8), for the command line.
//   text fields by field name ("Title", "E-mail", "Refresh slot", ...): strings
//   lists by name ("Robot", "Page Caching", ...): {"index": N, "text": "..."},
//       or a string, which chooses the item with exactly that text and is
//       otherwise typed text with index -1
//   check boxes by caption ("Use Title", ...): true or false
// Missing keys are empty, unchosen, unchecked. The spare slot has no key.

#include "fields/FormValue.h"

#include <QByteArray>
#include <optional>

namespace velko {

// A line of --read output, an object with "file", "encoding" and the form as
// "form", is taken as its form. On failure (not JSON, not an object, an
// unknown key, a value of the wrong type, an index out of range, several lines
// of --read output) returns nothing and sets `error` to a message that names
// the key.
std::optional<FormValue> parseFormFile(const QByteArray &json, QString *error);

// A form file with every key and every value empty: "" for the text fields
// and the lists (no item chosen), false for the check boxes. One key a line,
// in the order of the form, for a script's author to fill in.
QByteArray formTemplateText();

// The whole form as a form file on one line: every text field, every list as
// {"index", "text"}, every check box, in the order of the form.
// parseFormFile gives the form back. Written directly rather than through
// QJsonObject, which costs more than reading the page does.
QByteArray formFileText(const FormValue &form);

// Appends `text` as a JSON string, quotes included.
void appendJsonString(QByteArray &out, QStringView text);

} // namespace velko
