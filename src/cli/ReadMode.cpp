// --read: each page's form, one JSON line a page.

#include "cli/PageBatch.h"
#include "fields/FormFile.h"
#include "files/PageFile.h"
#include "import/MetaTagReader.h"

namespace velko {

namespace {

// The form as Import File leaves it, read straight from the file's bytes: the
// page is not decoded, only its values are.
PageOutcome readPage(const QString &path) {
    const PageFile page(path);
    if (!page.error().isEmpty())
        return {.error = page.error()};
    const QByteArrayView bytes = page.bytes();
    const Encoding encoding = detectEncoding(bytes);
    FormValue form;
    readMetaTags(bytes, encoding, form);
    QByteArray line = "{\"file\":";
    appendJsonString(line, path);
    line += ",\"encoding\":";
    appendJsonString(line, encoding.name());
    line += ",\"form\":" + formFileText(form) + "}\n";
    return {.out = line};
}

} // namespace

int runRead(const ModeCall &call) {
    if (!pagesNamed(call))
        return call.session.usageError(QStringLiteral("--read takes one or more pages"));
    const std::optional<QStringList> pages = givenPages(call);
    return pages ? runOnPages(call.session, *pages, readPage) : kUsage;
}

} // namespace velko
