#pragma once

// Character references ("&amp;", "&#8211;", "&eacute;") decoded as a
// browser's HTML parser decodes them, with HTML's full table of names.

#include <QString>
#include <QStringView>

namespace velko {

// Where the text stands decides how a name without its ";" is read: in an
// attribute value "&copy=2" and "&notit" stay as written (they are often
// query strings), in text they are "©=2" and "¬it".
enum class ReferencePlace { Text, AttributeValue };

// Every reference decoded; an "&" that starts none stays as written.
QString decodeCharacterReferences(QStringView text,
                                  ReferencePlace place = ReferencePlace::AttributeValue);

} // namespace velko
