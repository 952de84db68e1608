#pragma once

// The byte-order marks a page may begin with.

#include <QByteArrayView>

namespace velko {

inline constexpr QByteArrayView kUtf8Mark("\xEF\xBB\xBF", 3);
inline constexpr QByteArrayView kUtf16LeMark("\xFF\xFE", 2);
inline constexpr QByteArrayView kUtf16BeMark("\xFE\xFF", 2);

// True when `bytes` begin with a UTF-16 byte-order mark, either way round.
inline bool startsWithUtf16Mark(QByteArrayView bytes) {
    return bytes.startsWith(kUtf16LeMark) || bytes.startsWith(kUtf16BeMark);
}

} // namespace velko
