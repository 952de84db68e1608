#pragma once

// Text as a browser shows it: a title's or an attribute value's characters
// with their character references decoded ("&amp;", "&#8211;", "&eacute;")
// and each run of HTML white space as one blank, none at the ends.

#include <QString>
#include <QStringView>

namespace velko {

// Decodes the numeric references and the named ones of HTML 4 (written with
// their ";"); any other "&" stays as written.
QString decodeCharacterReferences(QStringView text);

// The references decoded, then the white space collapsed and trimmed.
QString displayText(QStringView text);

} // namespace velko
