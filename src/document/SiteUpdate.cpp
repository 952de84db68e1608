#include "document/SiteUpdate.h"

#include "document/PageUpdate.h"

#include <QStringList>

namespace velko {

namespace {

SitePageOutcome outcomeOf(const PageUpdate &page) {
    if (page.noHead)
        return {.kind = SitePageOutcome::Kind::NoHead};
    if (!page.error.isEmpty())
        return {.kind = SitePageOutcome::Kind::Failed, .error = page.error};
    if (!page.changed())
        return {.kind = SitePageOutcome::Kind::Unchanged, .hash = page.hash};
    return {SitePageOutcome::Kind::Changes, page.replaced, page.added, page.removed, {}, page.hash};
}

} // namespace

QString pageOwnTagNames() {
    QStringList names;
    // By kind: the title, the meta tags, then the links.
    for (const Element element : {Element::Title, Element::Meta, Element::Link}) {
        for (const TagRow &row : tagRows()) {
            // A check box's row only repeats a field that another row writes.
            if (row.element != element || !row.pageOwn || row.source == Source::CheckBox)
                continue;
            if (element == Element::Title)
                names << QStringLiteral("title");
            else if (element == Element::Link)
                names << row.keyValue + QStringLiteral(" link");
            else
                names << row.keyValue;
        }
    }
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

std::vector<TagLine> siteTagLines(const FormValue &form, bool keepPageOwn) {
    std::vector<TagLine> lines = BuildTagLines(form, DcNameCase::Capitalised);
    if (keepPageOwn)
        std::erase_if(lines, [](const TagLine &line) { return line.row->pageOwn; });
    return lines;
}

SitePageOutcome previewPage(const QString &path, std::span<const TagLine> lines) {
    return outcomeOf(updatePageFile(path, lines, UpdateOutput::None));
}

SitePageOutcome updatePage(const QString &path, std::span<const TagLine> lines, UndoRecorder *undo,
                           QByteArrayView expectedHash) {
    return outcomeOf(updatePageFile(path, lines, UpdateOutput::WriteBack, undo, expectedHash));
}

} // namespace velko
