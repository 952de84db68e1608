// A page (the input after its first byte) updated with the example tags, or
// with those of them that the first byte's bits pick: as bytes, as the
// command line does, and as text, as the window does. A second update changes
// nothing, and nothing before the head's tag or from the head's end on
// changes.

#include "Require.h"
#include "document/TagUpdate.h"
#include "fields/ExampleRecord.h"
#include "fields/FormFile.h"
#include "files/TextFile.h"
#include "import/MetaTagReader.h"
#include "page/PageHead.h"

#include <cstdint>

using namespace velko;

namespace {

template <typename View, typename Text> void check(View page, std::span<const TagLine> lines) {
    const TagUpdate<Text> once = updateTags(page, lines);
    if (!once.headFound)
        return;
    const TagUpdate<Text> twice = updateTags(View(once.page), lines);
    require(twice.page == once.page && twice.changes.empty(), "updating twice is updating once");
    const PageHead head = findHead(page);
    const View updated(once.page);
    require(updated.startsWith(page.first(head.tag.end())) &&
                updated.endsWith(page.sliced(head.end)),
            "nothing outside the head changes");
}

FormValue readPage(QByteArrayView page) {
    FormValue form;
    readMetaTags(page, detectEncoding(page), form);
    return form;
}

void checkOwnForm(QByteArrayView page) {
    const FormValue own = readPage(page);
    const TagUpdate<QByteArray> same =
        updateTags(page, BuildTagLines(own, DcNameCase::Capitalised));
    // A page the update refuses is left as it is, as --update leaves it. One
    // whose removed duplicate declaration was the one that set its charset
    // has its values written in the charset it declares now.
    if (!same.headFound || same.pushesCharset || !misdeclaredCharset(page, same).isEmpty() ||
        detectEncoding(same.page) != detectEncoding(page))
        return;
    require(same.count(TagChangeKind::Replaced) + same.count(TagChangeKind::Added) == 0,
            "the page's own form changes no value and adds no tag");
    // A duplicate that went may have held a value the reader took (a second
    // charset declaration, the one browsers heed): then the form may differ.
    if (same.count(TagChangeKind::Removed) == 0)
        require(formFileText(readPage(same.page)) == formFileText(own),
                "the updated page reads back as its own form");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0)
        return 0;
    static const std::vector<TagLine> examples = [] {
        FormValue form;
        fillInExamples(form);
        form[Field::Title] = QStringLiteral("Caf\u00e9 \u2014 Home");
        return BuildTagLines(form, DcNameCase::Capitalised);
    }();
    std::vector<TagLine> lines;
    for (size_t i = 0; i < examples.size(); ++i) {
        if (data[0] & (1u << (i % 8)))
            lines.push_back(examples[i]);
    }
    const QByteArray page(reinterpret_cast<const char *>(data) + 1, qsizetype(size) - 1);
    check<QByteArrayView, QByteArray>(page, lines);
    checkOwnForm(page);
    check<QStringView, QString>(decodeText(page).text, lines);
    return 0;
}
