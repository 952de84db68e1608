#include "text/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <array>

namespace velko {

namespace {

// What bytes 0x80 to 0x9F stand for in Windows-1252. The five bytes it leaves
// undefined stand for the C1 control of the same value, so every byte still
// decodes to exactly one character and encodes back to itself.
constexpr std::array<char16_t, 32> windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Writes every line break of `bytes` (CR LF, lone CR, lone LF) as `lineBreak`
// and reports the style of the first one. CR and LF are single bytes standing
// for themselves in UTF-8 and in Windows-1252 and never occur inside a longer
// UTF-8 sequence, so this works on encoded bytes of either kind.
QByteArray replaceLineBreaks(QByteArrayView bytes, QByteArrayView lineBreak,
                             std::optional<LineBreak> *firstStyle = nullptr) {
    QByteArray out;
    // Room for a lone LF every 32 bytes, so most files need no regrowth.
    out.reserve(bytes.size() + bytes.size() / 32 + lineBreak.size());
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        out.append(bytes.sliced(lineStart, i - lineStart));
        out.append(lineBreak);
        LineBreak style = LineBreak::Lf;
        if (c == '\r') {
            style = LineBreak::Cr;
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                style = LineBreak::CrLf;
                ++i;
            }
        }
        if (firstStyle && !*firstStyle)
            *firstStyle = style;
        lineStart = i + 1;
    }
    out.append(bytes.sliced(lineStart));
    return out;
}

QString decodeWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = byte >= 0x80 && byte < 0xA0 ? QChar(windows1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

void appendCharacterReference(QByteArray &out, char32_t codePoint) {
    out.append("&#");
    out.append(QByteArray::number(uint(codePoint)));
    out.append(';');
}

QByteArray encodeWindows1252(const QString &text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
            out.append(char(unit));
            continue;
        }
        const auto high = std::find(windows1252High.begin(), windows1252High.end(), unit);
        if (high != windows1252High.end()) {
            out.append(char(0x80 + (high - windows1252High.begin())));
        } else if (QChar::isHighSurrogate(unit) && i + 1 < text.size() &&
                   text[i + 1].isLowSurrogate()) {
            appendCharacterReference(out, QChar::surrogateToUcs4(unit, text[i + 1].unicode()));
            ++i;
        } else {
            appendCharacterReference(out, unit);
        }
    }
    return out;
}

void setError(QString *error, const QString &cause) {
    if (error)
        *error = cause;
}

} // namespace

QByteArrayView lineBreakBytes(LineBreak style) {
    switch (style) {
    case LineBreak::Lf:
        return "\n";
    case LineBreak::Cr:
        return "\r";
    case LineBreak::CrLf:
        break;
    }
    return "\r\n";
}

DecodedText decodeText(const QByteArray &bytes) {
    DecodedText decoded;
    std::optional<LineBreak> firstStyle;
    const QByteArray crLfBytes = replaceLineBreaks(bytes, "\r\n", &firstStyle);
    decoded.format.lineBreak = firstStyle.value_or(LineBreak::CrLf);
    decoded.format.encoding = detectEncoding(crLfBytes);
    decoded.text = decodeAs(crLfBytes, decoded.format.encoding);
    // In valid UTF-8 a leading U+FEFF can only come from the bytes EF BB BF.
    decoded.format.byteOrderMark =
        decoded.format.encoding == Encoding::Utf8 && decoded.text.startsWith(QChar(0xFEFF));
    if (decoded.format.byteOrderMark)
        decoded.text.remove(0, 1);
    return decoded;
}

Encoding detectEncoding(QByteArrayView bytes) {
    // A sequence cut off at the end counts as invalid, as it does for a
    // stateless decoder.
    return bytes.isValidUtf8() ? Encoding::Utf8 : Encoding::Windows1252;
}

QString decodeAs(QByteArrayView bytes, Encoding encoding) {
    if (encoding == Encoding::Windows1252)
        return decodeWindows1252(bytes);
    // Stateless turns a sequence cut off at the end into a replacement
    // character instead of state kept for more input; ConvertInitialBom keeps
    // the decoder from dropping a byte-order mark on its own.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                       QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

QByteArray encodeText(const QString &text, const TextFormat &format) {
    const QByteArray encoded =
        format.encoding == Encoding::Utf8 ? text.toUtf8() : encodeWindows1252(text);
    const QByteArrayView lineBreak = lineBreakBytes(format.lineBreak);
    QByteArray out = replaceLineBreaks(encoded, lineBreak);
    // Every break is now exactly `lineBreak`, so this tells whether the text ended with one.
    if (!out.endsWith(lineBreak))
        out.append(lineBreak);
    if (format.encoding == Encoding::Utf8 && format.byteOrderMark)
        out.prepend("\xEF\xBB\xBF");
    return out;
}

bool openRegularFile(QFile &file, QString *error) {
    // Opening a FIFO for reading blocks until a writer comes, so only regular
    // files (or links to them) are opened at all. A missing file is left to
    // QFile, which words that error itself.
    const QFileInfo info(file.fileName());
    if (info.exists() && !info.isFile()) {
        setError(error, QStringLiteral("Not a regular file"));
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, file.errorString());
        return false;
    }
    return true;
}

std::optional<DecodedText> readTextFile(const QString &path, QString *error) {
    QFile file(path);
    if (!openRegularFile(file, error))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        setError(error, file.errorString());
        return std::nullopt;
    }
    return decodeText(bytes);
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error) {
    // The new file must replace the final target of a link, not the link.
    // QSaveFile follows links too, but on a cycle it replaces the link with a
    // plain file; 40 is the depth Linux allows.
    QString target = path;
    for (int depth = 0; QFileInfo(target).isSymLink(); ++depth) {
        if (depth == 40) {
            setError(error, QStringLiteral("Too many levels of symbolic links"));
            return false;
        }
        target = QFileInfo(target).symLinkTarget();
    }
    // QSaveFile refuses a folder itself. Unbuffered, because commit() renames
    // the file even when flushing a buffer failed. A short write is retried, so
    // the next write reports why the file stopped growing (a full disk, a size
    // limit).
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        setError(error, file.errorString());
        return false;
    }
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) {
            setError(error, file.errorString());
            return false;
        }
        written += count;
    }
    if (!file.commit()) {
        setError(error, file.errorString());
        return false;
    }
    return true;
}

} // namespace velko
