#pragma once

// Text files as Velko reads and writes them. A file is UTF-8 when its bytes
// are valid UTF-8 and Windows-1252 otherwise, where every byte is one
// character, so no byte is ever lost. Inside the program every line break is
// CR LF; a file is written back in the encoding, line-break style and
// byte-order mark it was read with. Writing is atomic: a failed write leaves
// the old file as it was.

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <optional>

namespace velko {

enum class Encoding { Utf8, Windows1252 };
enum class LineBreak { CrLf, Lf, Cr };

struct TextFormat {
    Encoding encoding = Encoding::Utf8;
    LineBreak lineBreak = LineBreak::CrLf; // the style of the file's first line break
    bool byteOrderMark = false;            // a UTF-8 file that began with EF BB BF

    bool operator==(const TextFormat &) const = default;
};

struct DecodedText {
    QString text; // every line break (CR LF, lone CR, lone LF) as CR LF
    TextFormat format;
};

DecodedText decodeText(const QByteArray &bytes);

// The bytes of a line break in `style`.
QByteArrayView lineBreakBytes(LineBreak style);

// The encoding decodeText chooses for `bytes`.
Encoding detectEncoding(QByteArrayView bytes);
// The characters of `bytes` in `encoding`, line breaks left as they are.
QString decodeAs(QByteArrayView bytes, Encoding encoding);

// The bytes of `text` in `format`: every line break (CR LF, lone CR or lone
// LF) in the format's style, one line break added at the end unless the text
// already ends with one. A character Windows-1252 cannot hold is written as a
// numeric character reference such as "&#322;".
QByteArray encodeText(const QString &text, const TextFormat &format);

// Opens `file` for reading if it is a regular file; a folder, a FIFO or a
// device is refused without being opened. On failure sets `error`.
bool openRegularFile(QFile &file, QString *error);

// Reads and decodes a regular file; anything else (a folder, a FIFO, a device)
// is refused without being opened for reading. On failure returns nothing and
// sets `error` to the cause.
std::optional<DecodedText> readTextFile(const QString &path, QString *error);

// Replaces the file at `path` with `bytes`, atomically. A symbolic link stays a
// link and its target gets the new content. On failure the old file is left
// untouched, `error` is set to the cause and false is returned.
bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error);

inline bool writeTextFile(const QString &path, const QString &text, const TextFormat &format,
                          QString *error) {
    return writeFileAtomically(path, encodeText(text, format), error);
}

} // namespace velko
