#pragma once

// Reads the tags of a page back into the tag form, in one pass of the page
// scanner: each title, meta or link tag that stands for a row of the tag table
// (tags/TagMatch.h: its key in any letter case, its attributes in any order)
// fills the row's control, and the last comment of the head fills Comments.

#include "fields/FormValue.h"
#include "files/TextFile.h"

#include <QByteArrayView>
#include <QStringView>

namespace velko {

// Fills `form` from the tags in `text`; the caller clears the form first. A
// line ends at CR LF, a lone CR or a lone LF.
void readMetaTags(QStringView text, FormValue &form);

// The same for a page's bytes in `encoding` (as detectEncoding gives it): in
// an encoding where markup is ASCII the markup is searched in the bytes and
// only the values are decoded, so a large page needs no decoded copy. Gives
// the same form as reading decodeText(bytes).
void readMetaTags(QByteArrayView bytes, const Encoding &encoding, FormValue &form);

} // namespace velko
