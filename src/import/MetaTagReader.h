#pragma once

// Reads the tags of a page's head back into the tag form: the first tag of
// each row's kind (tags/TagKinds.h), found the way the updater finds them, so
// that updating a page with the form read from it changes nothing.

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
