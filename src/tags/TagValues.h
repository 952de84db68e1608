#pragma once

// A tag's value as the reader takes it from a page and as the updater
// compares it with the form's: both must agree, or reading a page and
// updating it with what was read would change it.

#include "fields/FormValue.h"
#include "tags/TagTable.h"

#include <QString>
#include <QStringView>

namespace velko {

// A value of a page, decoded, as it goes into the form: each line break (CR
// LF, lone CR, lone LF) one blank, the blanks at its ends trimmed, and in an
// attribute each "&quot;" the double quote it stands for. Other references
// stay as written: the builder writes values back unchanged.
QString valueAsRead(QString value, bool attribute);

// A refresh tag's content as the form splits it: the seconds before the
// ";", the address after it and an "url=" in any case. Both empty when it
// has no ";".
struct RefreshParts {
    QString seconds;
    QString url;

    bool operator==(const RefreshParts &) const = default;
};
RefreshParts refreshParts(QStringView content);

// The item of `list` that `value` is, in any ASCII case, or else `value` as
// typed text.
ListValue listValueNamed(List list, QString value);

// The charset a content type names, as browsers find it; empty when it
// names none.
QStringView charsetNamedIn(QStringView contentType);

// True when two charset names are the same charset: the same name in any
// ASCII case, or labels of the same encoding ("latin1", "ISO-8859-1").
bool sameCharset(QStringView a, QStringView b);

// True when a tag of the row whose value, as read (valueAsRead), is `page`
// already holds `form`, the value the row's line writes read the same way:
// a list's value in any ASCII case, a refresh by its parts, any other value
// exactly. A replacement character of the form (a byte the page's encoding
// could not read, as --read writes it) stands for the byte it replaced.
bool holdsValue(const TagRow &row, QStringView page, QStringView form);

} // namespace velko
