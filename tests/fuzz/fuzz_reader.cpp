// Page bytes into the encoding choice and the meta tag reader: decoding the
// bytes and encoding the text gives them back exactly, and the reader gives
// the same form both ways it reads, from the decoded text and straight from
// the bytes.

#include "Require.h"
#include "cli/FormFile.h"
#include "text/TextFile.h"
#include "import/MetaTagReader.h"

#include <cstdint>
#include <cstdio>

using namespace velko;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const DecodedText decoded = decodeText(bytes);
    require(encodeCharacters(decoded.text, decoded.format) == bytes,
            "decoding then encoding gives back the bytes");
    FormValue fromText;
    readMetaTags(QStringView(decoded.text), fromText);
    FormValue fromBytes;
    readMetaTags(QByteArrayView(bytes), detectEncoding(bytes), fromBytes);
    if (fromText != fromBytes)
        std::fprintf(stderr, "from text:  %s\nfrom bytes: %s\n", formFileText(fromText).constData(),
                     formFileText(fromBytes).constData());
    require(fromText == fromBytes, "reading the bytes and reading the text give the same form");
    return 0;
}
