#pragma once

// Text files as Velko reads and writes them. A page is read in the encoding
// it is in (see detectEncoding) and written back in it, with its byte-order
// mark and each line's own line break, as FileWrite.h writes files: a failed
// write leaves the old file as it was.

#include "files/FileSnapshot.h"
#include "files/FileWrite.h"
#include "text/Encoding.h"
#include "text/LineBreaks.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <optional>

namespace velko {

struct TextFormat {
    Encoding encoding;
    LineBreak lineBreak = LineBreak::CrLf; // the style of the file's first line break
    bool byteOrderMark = false;            // the file began with the encoding's byte-order mark

    bool operator==(const TextFormat &) const = default;
};

struct DecodedText {
    QString text; // line breaks as they are in the file
    TextFormat format;
};

// The text of a file's bytes. `httpCharset` is the charset an HTTP header
// named for them, if any.
DecodedText decodeText(QByteArrayView bytes, QByteArrayView httpCharset = {});

// The encoding decodeText reads `bytes` in:
// - the one of its byte-order mark (UTF-8, UTF-16 LE or BE);
// - UTF-8 when the bytes are valid UTF-8 and not all ASCII;
// - the charset the HTTP header names, else the one the page declares in its
//   first 1,024 bytes, when Qt can read it and decoding then encoding gives
//   back exactly the bytes; a page that declares UTF-8 is read as UTF-8 even
//   with invalid bytes, each kept as itself;
// - UTF-8 for ASCII bytes, Windows-1252 for anything else.
Encoding detectEncoding(QByteArrayView bytes, QByteArrayView httpCharset = {});
// The characters of `bytes` in `encoding`, line breaks left as they are.
inline QString decodeAs(QByteArrayView bytes, const Encoding &encoding) {
    return encoding.decode(bytes);
}

// The bytes of `text` in `format`: every line break (CR LF, lone CR or lone
// LF) in the format's style, one line break added at the end unless the text
// already ends with one. A character the encoding cannot hold is written as a
// numeric character reference such as "&#322;".
QByteArray encodeText(QStringView text, const TextFormat &format);
// The bytes of `text` in the format's encoding, after its byte-order mark if
// it has one; line breaks as they are.
QByteArray encodeCharacters(QStringView text, const TextFormat &format);
// The bytes of `document` for the file `page` was read from: in the page's
// format, each line with the line break the page gave it (see
// reviseLineBreaks), so that what the document did not change stays byte for
// byte.
QByteArray encodeDocument(QStringView document, const DecodedText &page);

// Opens `file` for reading if it is a regular file; a folder, a FIFO or a
// device is refused without being opened. On failure sets `error`.
bool openRegularFile(QFile &file, QString *error);

// Reads a regular file; anything else (a folder, a FIFO, a device) is refused
// without being opened for reading. On failure returns nothing and sets
// `error` to the cause. `snapshot`, when given, receives what the file was.
std::optional<QByteArray> readFileBytes(const QString &path, QString *error,
                                        FileSnapshot *snapshot = nullptr);
// The same, decoded.
std::optional<DecodedText> readTextFile(const QString &path, QString *error,
                                        FileSnapshot *snapshot = nullptr);

// What form files and --files-from lists may hold.
constexpr qint64 kInputLimit = 64 * 1024 * 1024;
// All of `device` up to `limit` bytes; past it, nothing and `error` is
// "too large". Reads a pipe or a device, which may never end, only that far.
std::optional<QByteArray> readAtMost(QIODevice &device, qint64 limit, QString *error);

inline bool writeTextFile(const QString &path, const QString &text, const TextFormat &format,
                          QString *error) {
    return writeFileSafely(path, encodeText(text, format), error);
}

} // namespace velko
