#include "document/PageUpdate.h"

#include "document/TagInsertion.h"
#include "document/TagUpdate.h"
#include "files/PageFile.h"
#include "files/TextFile.h"
#include "text/UnifiedDiff.h"

#include <vector>

namespace velko {

namespace {

QByteArray diff(const QString &name, QByteArrayView before, const TagUpdate<QByteArray> &update) {
    std::vector<Splice> splices;
    for (const TagChange &change : update.changes)
        splices.push_back({change.oldSpan, change.newSpan});
    return unifiedDiff(name, before, update.page, splices);
}

} // namespace

QString PageUpdate::summary() const {
    if (!changed())
        return QStringLiteral("unchanged");
    return QStringLiteral("replaced %1, added %2, removed %3")
        .arg(replaced)
        .arg(added)
        .arg(removed);
}

PageUpdate updatePageFile(const QString &path, std::span<const TagLine> lines,
                          UpdateOutput output) {
    const PageFile file(path);
    if (!file.error().isEmpty())
        return {.error = file.error()};
    const TagUpdate<QByteArray> update = updateTags(file.bytes(), lines);
    if (!update.headFound)
        return {.error = QString::fromUtf8(insertion::kNotHtml), .noHead = true};
    if (const QByteArray charset = misdeclaredCharset(file.bytes(), update); !charset.isEmpty())
        return {.error =
                    QStringLiteral("the tags would declare the charset %1, but the page is "
                                   "written in %2")
                        .arg(QString::fromLatin1(charset), detectEncoding(file.bytes()).name())};
    PageUpdate result{.replaced = update.count(TagChangeKind::Replaced),
                      .added = update.count(TagChangeKind::Added),
                      .removed = update.count(TagChangeKind::Removed)};
    switch (output) {
    case UpdateOutput::None:
        break;
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
