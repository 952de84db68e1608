// A document and a block (the input split at its first NUL byte) through the
// text-file decoding and the insertion: the file reads back as written, and
// the block lands right behind the first head tag with nothing else changed.

#include "Require.h"
#include "document/TagInsertion.h"
#include "text/TextFile.h"

#include <cstdint>
#include <cstring>

using namespace velko;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const auto *begin = reinterpret_cast<const char *>(data);
    const auto *split = static_cast<const char *>(std::memchr(begin, 0, size));
    const qsizetype documentSize = split ? split - begin : qsizetype(size);
    const DecodedText document = decodeText(QByteArray(begin, documentSize));
    const DecodedText block =
        decodeText(split ? QByteArray(split + 1, qsizetype(size) - documentSize - 1) : "");

    const QString written =
        document.text.endsWith(u"\r\n") ? document.text : document.text + QStringLiteral("\r\n");
    const DecodedText back = decodeText(encodeText(document.text, document.format));
    require(back.text == written && back.format.encoding == document.format.encoding,
            "a saved file reads back as it was written");

    const qsizetype head = findHeadTag(document.text);
    if (head < 0)
        return 0;
    const Insertion result = insertAfterHead(document.text, head, block.text);
    const QStringView text = result.document;
    require(text.first(head + 6) == QStringView(document.text).first(head + 6) &&
                text.sliced(head + 6, 2) == u"\r\n",
            "the document up to the head tag is unchanged, then a line break");
    require(result.blockStart == head + 8 && result.blockLength == block.text.size() &&
                text.sliced(result.blockStart, result.blockLength) == block.text,
            "blockStart and blockLength point at the block");
    require(text.sliced(result.blockStart + result.blockLength) ==
                QStringView(document.text).sliced(head + 6),
            "the document behind the block is unchanged");
    return 0;
}
