// Page bytes into the meta tag reader, both ways it reads: from the decoded
// text and straight from the bytes. The two must give the same form.

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
    FormValue fromText;
    readMetaTags(QStringView(decodeText(bytes).text), fromText);
    FormValue fromBytes;
    readMetaTags(QByteArrayView(bytes), detectEncoding(bytes), fromBytes);
    if (fromText != fromBytes)
        std::fprintf(stderr, "from text:  %s\nfrom bytes: %s\n", formFileText(fromText).constData(),
                     formFileText(fromBytes).constData());
    require(fromText == fromBytes, "reading the bytes and reading the text give the same form");
    return 0;
}
