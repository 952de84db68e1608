#include "cli/PageUpdate.h"

#include "cli/UnifiedDiff.h"
#include "document/TagInsertion.h"
#include "text/TextFile.h"

#include <QFile>
#include <vector>

namespace velko {

QString PageUpdate::summary() const {
    if (!changed())
        return QStringLiteral("unchanged");
    return QStringLiteral("replaced %1, added %2, removed %3")
        .arg(update.count(TagChangeKind::Replaced))
        .arg(update.count(TagChangeKind::Added))
        .arg(update.count(TagChangeKind::Removed));
}

QByteArray PageUpdate::diff(const QString &name) const {
    std::vector<Splice> splices;
    for (const TagChange &change : update.changes)
        splices.push_back({change.oldSpan, change.newSpan});
    return unifiedDiff(name, before, update.page, splices);
}

PageUpdate updatePageFile(const QString &path, std::span<const TagLine> lines) {
    PageUpdate result;
    QFile file(path);
    if (!openRegularFile(file, &result.error))
        return result;
    result.before = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = file.errorString();
        return result;
    }
    result.update = updateTags(QByteArrayView(result.before), lines);
    if (!result.update.headFound)
        result.error = QString::fromUtf8(insertion::kNotHtml);
    return result;
}

} // namespace velko
