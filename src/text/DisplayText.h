#pragma once

// Text as a browser shows it: a title's or an attribute value's characters
// with their character references decoded ("&amp;", "&#8211;", "&eacute;")
// and each run of HTML white space as one blank, none at the ends.

#include "text/CharacterReferences.h"

#include <QString>
#include <QStringView>

namespace velko {

// The references decoded, then the white space collapsed and trimmed.
QString displayText(QStringView text, ReferencePlace place = ReferencePlace::AttributeValue);

} // namespace velko
