// Page bytes into the encoding choice and the meta tag reader: decoding the
// bytes and encoding the text gives them back exactly, and the reader gives
// the same form both ways it reads, from the decoded text and straight from
// the bytes. The page checker reads the same bytes, both ways too: its
// findings must lie inside the page.

#include "Require.h"
#include "check/PageChecker.h"
#include "fields/FormFile.h"
#include "files/TextFile.h"
#include "import/MetaTagReader.h"

#include <cstdint>
#include <cstdio>
#include <vector>

using namespace velko;

namespace {

// The length of each line, in code units; CR LF, a lone CR and a lone LF end
// a line.
template <typename View> std::vector<qsizetype> lineLengths(View page) {
    std::vector<qsizetype> lengths{0};
    for (qsizetype at = 0; at < page.size(); ++at) {
        const auto c = page[at];
        if (c != '\r' && c != '\n') {
            ++lengths.back();
            continue;
        }
        if (c == '\r' && at + 1 < page.size() && page[at + 1] == '\n')
            ++at;
        lengths.push_back(0);
    }
    return lengths;
}

// A line holds no more characters than code units, in any charset.
void requireInside(const std::vector<Finding> &findings, const std::vector<qsizetype> &lines) {
    for (const Finding &finding : findings) {
        require(finding.line >= 1 && finding.line <= qsizetype(lines.size()),
                "a finding's line is a line of the page");
        require(finding.column >= 1 && finding.column <= lines[size_t(finding.line - 1)] + 1,
                "a finding's column lies within its line");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const DecodedText decoded = decodeText(bytes);
    require(encodeCharacters(decoded.text, decoded.format) == bytes,
            "decoding then encoding gives back the bytes");
    const QString &text = decoded.text;
    FormValue fromText;
    readMetaTags(QStringView(text), fromText);
    FormValue fromBytes;
    readMetaTags(QByteArrayView(bytes), detectEncoding(bytes), fromBytes);
    if (fromText != fromBytes)
        std::fprintf(stderr, "from text:  %s\nfrom bytes: %s\n", formFileText(fromText).constData(),
                     formFileText(fromBytes).constData());
    require(fromText == fromBytes, "reading the bytes and reading the text give the same form");

    requireInside(checkPage(bytes), lineLengths(QByteArrayView(bytes)));
    requireInside(checkText(text), lineLengths(QStringView(text)));
    return 0;
}
