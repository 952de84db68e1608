#include "cli/PageUpdate.h"

#include "cli/PageFile.h"
#include "cli/UnifiedDiff.h"
#include "document/TagInsertion.h"
#include "document/TagUpdate.h"
#include "text/TextFile.h"

#include <vector>

namespace velko {

namespace {

QString summary(const TagUpdate<QByteArray> &update) {
    if (update.changes.empty())
        return QStringLiteral("unchanged");
    return QStringLiteral("replaced %1, added %2, removed %3")
        .arg(update.count(TagChangeKind::Replaced))
        .arg(update.count(TagChangeKind::Added))
        .arg(update.count(TagChangeKind::Removed));
}

QByteArray diff(const QString &name, QByteArrayView before, const TagUpdate<QByteArray> &update) {
    std::vector<Splice> splices;
    for (const TagChange &change : update.changes)
        splices.push_back({change.oldSpan, change.newSpan});
    return unifiedDiff(name, before, update.page, splices);
}

} // namespace

PageUpdate updatePageFile(const QString &path, std::span<const TagLine> lines,
                          UpdateOutput output) {
    const PageFile file(path);
    if (!file.error().isEmpty())
        return {file.error(), {}, {}};
    const TagUpdate<QByteArray> update = updateTags(file.bytes(), lines);
    if (!update.headFound)
        return {QString::fromUtf8(insertion::kNotHtml), {}, {}};
    PageUpdate result{{}, summary(update), {}};
    switch (output) {
    case UpdateOutput::Page:
        result.output = update.page;
        break;
    case UpdateOutput::Diff:
        result.output = diff(path, file.bytes(), update);
        break;
    case UpdateOutput::WriteBack:
        if (!update.changes.empty())
            writeFileAtomically(path, update.page, &result.error);
        break;
    }
    return result;
}

} // namespace velko
