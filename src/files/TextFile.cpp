#include "files/TextFile.h"

#include "base/ByteOrderMarks.h"
#include "page/PageCharset.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

namespace velko {

namespace {

// Browsers look for a page's charset declaration this far into it.
constexpr qsizetype kDeclarationReach = 1024;

// Where the first byte above ASCII is; -1 when all bytes are ASCII. Eight
// bytes at a time: most pages are mostly ASCII.
qsizetype firstNonAscii(QByteArrayView bytes) {
    constexpr quint64 kHighBits = 0x8080808080808080;
    qsizetype at = 0;
    for (; at + 8 <= bytes.size(); at += 8) {
        quint64 word;
        std::memcpy(&word, bytes.data() + at, sizeof word);
        if (word & kHighBits)
            break;
    }
    for (; at < bytes.size(); ++at) {
        if (static_cast<unsigned char>(bytes[at]) >= 0x80)
            return at;
    }
    return -1;
}

struct Choice {
    Encoding encoding;
    QString text; // the decoded bytes when choosing decoded them already
};

// The first declaration naming a charset browsers know: they pass over one
// naming none they know, as the update does.
std::optional<Encoding> declaredEncoding(QByteArrayView start) {
    std::optional<Encoding> found;
    scanPage(start, [&](const PageToken &token) {
        if (const QByteArrayView label = declaredCharset(start, token); !label.isEmpty())
            found = Encoding::fromLabel(label);
        return !found;
    });
    return found;
}

Choice chooseEncoding(QByteArrayView bytes, QByteArrayView httpCharset) {
    if (bytes.startsWith(kUtf8Mark))
        return {Encoding(), {}};
    for (const bool bigEndian : {false, true}) {
        const Encoding utf16 = Encoding::utf16(bigEndian);
        if (bytes.startsWith(utf16.byteOrderMark()) && utf16.roundTrips(bytes))
            return {utf16, {}};
    }
    // The bytes before the first one above ASCII are valid UTF-8 anyway.
    const qsizetype nonAscii = firstNonAscii(bytes);
    if (nonAscii >= 0 && bytes.sliced(nonAscii).isValidUtf8())
        return {Encoding(), {}};
    for (const std::optional<Encoding> &declared :
         {Encoding::fromLabel(httpCharset),
          declaredEncoding(bytes.first(std::min(bytes.size(), kDeclarationReach)))}) {
        Choice choice;
        // ASCII reads as itself in every encoding fromLabel gives.
        if (declared && (nonAscii < 0 || declared->roundTrips(bytes, &choice.text))) {
            choice.encoding = *declared;
            return choice;
        }
    }
    return {nonAscii < 0 ? Encoding() : Encoding::windows1252(), {}};
}

void setError(QString *error, const QString &cause) {
    if (error)
        *error = cause;
}

} // namespace

DecodedText decodeText(QByteArrayView bytes, QByteArrayView httpCharset) {
    Choice choice = chooseEncoding(bytes, httpCharset);
    DecodedText decoded;
    decoded.format.encoding = choice.encoding;
    const QByteArrayView mark = choice.encoding.byteOrderMark();
    decoded.format.byteOrderMark = !mark.isEmpty() && bytes.startsWith(mark);
    if (decoded.format.byteOrderMark)
        bytes = bytes.sliced(mark.size());
    decoded.text = choice.text.isNull() ? choice.encoding.decode(bytes) : std::move(choice.text);
    decoded.format.lineBreak = firstLineBreak(decoded.text);
    return decoded;
}

Encoding detectEncoding(QByteArrayView bytes, QByteArrayView httpCharset) {
    return chooseEncoding(bytes, httpCharset).encoding;
}

QByteArray encodeText(QStringView text, const TextFormat &format) {
    QString lines = withLineBreaks(text, format.lineBreak);
    const QLatin1StringView lineBreak(lineBreakBytes(format.lineBreak));
    // Every break is now exactly `lineBreak`, so this tells whether the text ended with one.
    if (!lines.endsWith(lineBreak))
        lines.append(lineBreak);
    return encodeCharacters(lines, format);
}

QByteArray encodeCharacters(QStringView text, const TextFormat &format) {
    QByteArray out = format.encoding.encode(text);
    if (format.byteOrderMark)
        out.prepend(format.encoding.byteOrderMark());
    return out;
}

QByteArray encodeDocument(QStringView document, const DecodedText &page) {
    const Revision revision = reviseLineBreaks(document, page.text, page.format.lineBreak);
    const QStringView original = page.text;
    const QByteArray end = page.format.encoding.encode(original.sliced(revision.keptEnd));
    QByteArray out = encodeCharacters(original.first(revision.keptStart), page.format);
    out.reserve(out.size() + revision.changed.size() + end.size());
    out += page.format.encoding.encode(revision.changed);
    out += end;
    return out;
}

bool openRegularFile(QFile &file, QString *error) {
    // Opening a FIFO for reading blocks until a writer comes, so only regular
    // files (or links to them) are opened at all. A missing file is left to
    // QFile, which words that error itself; a dangling link or a loop is
    // worded as writing words it.
    const QFileInfo info(file.fileName());
    if (info.isSymLink() && !info.exists() && !resolvePath(file.fileName(), error))
        return false;
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

std::optional<QByteArray> readFileBytes(const QString &path, QString *error,
                                        FileSnapshot *snapshot) {
    QFile file(path);
    if (!openRegularFile(file, error))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        setError(error, file.errorString());
        return std::nullopt;
    }
    if (snapshot)
        *snapshot = snapshotOf(file.handle(), bytes);
    return bytes;
}

std::optional<DecodedText> readTextFile(const QString &path, QString *error,
                                        FileSnapshot *snapshot) {
    const std::optional<QByteArray> bytes = readFileBytes(path, error, snapshot);
    if (!bytes)
        return std::nullopt;
    return decodeText(*bytes);
}

std::optional<QByteArray> readAtMost(QIODevice &device, qint64 limit, QString *error) {
    QByteArray bytes;
    constexpr qint64 kChunk = 1024 * 1024;
    // One byte more than the limit tells a file of exactly `limit` from a longer one.
    while (bytes.size() <= limit) {
        const QByteArray chunk = device.read(std::min(kChunk, limit + 1 - bytes.size()));
        if (chunk.isEmpty()) // the end, or a read error that ends it
            break;
        bytes += chunk;
    }
    if (bytes.size() > limit) {
        setError(error, QStringLiteral("too large"));
        return std::nullopt;
    }
    return bytes;
}

} // namespace velko
