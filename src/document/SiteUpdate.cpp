#include "document/SiteUpdate.h"

#include "document/PageUpdate.h"

#include <algorithm>

namespace velko {

namespace {

// The fields a page has its own value for.
constexpr Field kPageOwnFields[] = {
    Field::Title,         Field::Description, Field::OgTitle,
    Field::OgDescription, Field::OgUrl,       Field::CanonicalUrl,
};

SitePageOutcome outcomeOf(const PageUpdate &page) {
    if (page.noHead)
        return {.kind = SitePageOutcome::Kind::NoHead};
    if (!page.error.isEmpty())
        return {.kind = SitePageOutcome::Kind::Failed, .error = page.error};
    if (!page.changed())
        return {.kind = SitePageOutcome::Kind::Unchanged};
    return {SitePageOutcome::Kind::Changes, page.replaced, page.added, page.removed, {}};
}

} // namespace

bool isPageOwnRow(const TagRow &row) {
    return std::find(std::begin(kPageOwnFields), std::end(kPageOwnFields), row.field) !=
           std::end(kPageOwnFields);
}

std::vector<TagLine> siteTagLines(const FormValue &form, bool keepPageOwn) {
    std::vector<TagLine> lines = BuildTagLines(form, DcNameCase::Capitalised);
    if (keepPageOwn)
        std::erase_if(lines, [](const TagLine &line) { return isPageOwnRow(*line.row); });
    return lines;
}

SitePageOutcome previewPage(const QString &path, std::span<const TagLine> lines) {
    return outcomeOf(updatePageFile(path, lines, UpdateOutput::None));
}

SitePageOutcome updatePage(const QString &path, std::span<const TagLine> lines) {
    return outcomeOf(updatePageFile(path, lines, UpdateOutput::WriteBack));
}

} // namespace velko
