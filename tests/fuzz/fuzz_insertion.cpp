// A document and a tag block (the input split at its first NUL byte), each
// decoded as a file would be; the block goes in after the document's head tag.
// Checks that the insertion changes nothing but where the block goes, and that
// writing the text out and reading it back in either encoding loses nothing.

#include "Require.h"
#include "document/TagInsertion.h"
#include "document/TextFile.h"

#include <cstdint>
#include <cstring>

using namespace velko;

namespace {

// What encodeText should make of decoded bytes: every line break in `style`
// and one at the end.
QByteArray withBreaks(QByteArrayView bytes, LineBreak style) {
    QByteArray out;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') {
            out.append(bytes[i]);
            continue;
        }
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        out.append(lineBreakBytes(style));
    }
    if (bytes.isEmpty() || (bytes.back() != '\r' && bytes.back() != '\n'))
        out.append(lineBreakBytes(style));
    return out;
}

bool onlyCrLfBreaks(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r'))
            return false;
        if (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n'))
            return false;
    }
    return true;
}

// A plain search to hold findHeadTag against.
qsizetype firstHeadTag(QStringView text) {
    const char16_t head[] = u"<head>";
    for (qsizetype at = 0; at + 6 <= text.size(); ++at) {
        qsizetype i = 0;
        while (i < 6 && (text[at + i].unicode() | (i == 0 || i == 5 ? 0 : 0x20)) == head[i])
            ++i;
        if (i == 6)
            return at;
    }
    return -1;
}

// True when `back` is `text` with each character Windows-1252 lacks written
// as a character reference, and nothing else changed.
bool sameBut1252References(QStringView text, QStringView back) {
    qsizetype j = 0;
    for (qsizetype i = 0; i < text.size();) {
        qsizetype length = 1;
        char32_t codePoint = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            length = 2;
            codePoint = QChar::surrogateToUcs4(text[i], text[i + 1]);
        }
        if (back.sliced(j).startsWith(text.sliced(i, length))) {
            i += length;
            j += length;
            continue;
        }
        const bool held = codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF);
        const QString reference = QStringLiteral("&#%1;").arg(uint(codePoint));
        if (held || !back.sliced(j).startsWith(reference))
            return false;
        i += length;
        j += reference.size();
    }
    return j == back.size();
}

void checkRoundTrips(const QString &text, const TextFormat &format) {
    const QString expected = text.endsWith(u"\r\n") ? text : text + QStringLiteral("\r\n");

    const TextFormat utf8{Encoding::Utf8, format.lineBreak, format.byteOrderMark};
    const DecodedText fromUtf8 = decodeText(encodeText(text, utf8));
    require(fromUtf8.text == expected, "UTF-8 gives the text back");
    require(fromUtf8.format == utf8, "UTF-8 gives the format back");

    const QByteArray windows1252 =
        encodeText(text, {Encoding::Windows1252, format.lineBreak, false});
    const QString back = decodeAs(withBreaks(windows1252, LineBreak::CrLf), Encoding::Windows1252);
    require(sameBut1252References(expected, back),
            "Windows-1252 gives the text back, references aside");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const auto *begin = reinterpret_cast<const char *>(data);
    const auto *split = static_cast<const char *>(std::memchr(begin, 0, size));
    const qsizetype documentSize = split ? split - begin : qsizetype(size);
    const QByteArray documentBytes(begin, documentSize);
    const QByteArray blockBytes =
        split ? QByteArray(split + 1, qsizetype(size) - documentSize - 1) : QByteArray();

    const DecodedText document = decodeText(documentBytes);
    const DecodedText block = decodeText(blockBytes);
    require(onlyCrLfBreaks(document.text), "decoded text breaks lines with CR LF only");
    require(encodeText(document.text, document.format) ==
                withBreaks(documentBytes, document.format.lineBreak),
            "a decoded file is written back byte for byte");

    const qsizetype head = findHeadTag(document.text);
    require(head == firstHeadTag(document.text), "findHeadTag finds the first <head>");
    if (head < 0) {
        checkRoundTrips(document.text, document.format);
        return 0;
    }

    const Insertion result = insertAfterHead(document.text, head, block.text);
    const QStringView text = result.document;
    const QStringView front = QStringView(document.text).first(head + 6);
    const QStringView rest = QStringView(document.text).sliced(head + 6);
    require(result.blockStart == front.size() + 2, "the block starts behind the head tag");
    require(result.blockLength == block.text.size(), "the block keeps its length");
    require(text.size() == document.text.size() + 2 + block.text.size(), "nothing is dropped");
    require(text.first(front.size()) == front, "the document before the block is unchanged");
    require(text.sliced(front.size(), 2) == u"\r\n", "a line break comes before the block");
    require(text.sliced(result.blockStart, result.blockLength) == block.text,
            "blockStart and blockLength point at the block");
    require(text.sliced(result.blockStart + result.blockLength) == rest,
            "the document behind the block is unchanged");
    require(findHeadTag(text) == head, "the head tag stays where it was");
    checkRoundTrips(result.document, document.format);
    return 0;
}
