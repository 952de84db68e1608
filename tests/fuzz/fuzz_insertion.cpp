// A page and a block (the input split at its first NUL byte) through the
// insertion: --insert puts the block right behind the head tag (or the head's
// charset declaration) with no other byte changed and, on a page that ends
// there, no last line break; the window, which shows the page with CR LF line
// breaks, saves the same bytes after inserting it. The page goes through as it
// is and as UTF-16, which a NUL byte could not otherwise reach.

#include "Require.h"
#include "document/TagInsertion.h"
#include "files/TextFile.h"
#include "page/PageHead.h"

#include <cstdint>
#include <cstring>

using namespace velko;

namespace {

void checkInsertion(const QByteArray &bytes, const QString &block) {
    const DecodedText page = decodeText(bytes);
    const PageHead head = findHead(QStringView(page.text));
    if (!head.found())
        return;
    const QByteArray inserted = insertIntoPage(bytes, page, head.insertAt, block);
    // Where the block belongs in the bytes: found by the scanner in the bytes
    // themselves where markup is ASCII, else two bytes a character.
    const qsizetype at = page.format.encoding.isAsciiCompatible()
                             ? findHead(QByteArrayView(bytes)).insertAt
                             : page.format.encoding.byteOrderMark().size() + 2 * head.insertAt;
    QString added = withLineBreaks(QStringLiteral("\r\n").append(block), page.format.lineBreak);
    // A page that ends where the block goes gets no last line break.
    if (head.insertAt == page.text.size())
        added.chop(QLatin1StringView(lineBreakBytes(page.format.lineBreak)).size());
    const QByteArray lines = page.format.encoding.encode(added);
    require(inserted == bytes.first(at) + lines + bytes.sliced(at),
            "--insert adds the line break and the block behind the head tag, nothing else");

    const QString shown = withLineBreaks(page.text, LineBreak::CrLf);
    const Insertion insertion =
        insertAfterHead(shown, findHead(QStringView(shown)).insertAt, block);
    require(encodeDocument(insertion.document, page) == inserted,
            "the window saves what --insert writes");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const auto *begin = reinterpret_cast<const char *>(data);
    const auto *split = static_cast<const char *>(std::memchr(begin, 0, size));
    const qsizetype pageSize = split ? split - begin : qsizetype(size);
    const QByteArray bytes(begin, pageSize);
    // A block has CR LF line breaks and ends with one.
    QString block = withLineBreaks(
        decodeText(split ? QByteArray(split + 1, qsizetype(size) - pageSize - 1) : "").text,
        LineBreak::CrLf);
    if (!block.endsWith(u'\n'))
        block += QStringLiteral("\r\n");

    checkInsertion(bytes, block);
    const Encoding utf16 = Encoding::utf16(false);
    checkInsertion(utf16.byteOrderMark().toByteArray() + utf16.encode(decodeText(bytes).text),
                   block);
    return 0;
}
