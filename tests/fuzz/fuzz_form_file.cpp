// Bytes into the form file reader; a form it accepts must survive being
// written as a form file and read again.

#include "Require.h"
#include "fields/FormFile.h"

#include <cstdint>
#include <cstdio>

using namespace velko;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray json(reinterpret_cast<const char *>(data), qsizetype(size));
    QString error;
    const std::optional<FormValue> form = parseFormFile(json, &error);
    if (!form) {
        require(!error.isEmpty(), "a refused form file comes with a reason");
        return 0;
    }
    const QByteArray written = formFileText(*form);
    const std::optional<FormValue> again = parseFormFile(written, &error);
    if (!again)
        std::fprintf(stderr, "%s\nin: %s\n", qPrintable(error), written.constData());
    require(again.has_value(), "a written form file reads back");
    if (*again != *form)
        std::fprintf(stderr, "first:  %s\nsecond: %s\n", written.constData(),
                     formFileText(*again).constData());
    require(*again == *form, "a written form file reads back as the same form");
    return 0;
}
