#include "document/SitePages.h"

#include <QDirIterator>
#include <QFileInfo>

namespace velko {

QStringList pagesToUpdate(const QStringList &chosen) {
    QStringList pages;
    for (const QString &path : chosen) {
        if (!QFileInfo(path).isDir()) {
            pages << path;
            continue;
        }
        // Without QDir::Hidden the iterator neither lists nor enters hidden
        // entries; name filters ignore case, so ".HTML" counts too.
        QDirIterator pagesUnder(path, {QStringLiteral("*.htm"), QStringLiteral("*.html")},
                                QDir::Files, QDirIterator::Subdirectories);
        while (pagesUnder.hasNext())
            pages << pagesUnder.next();
    }
    pages.sort();
    pages.removeDuplicates();
    return pages;
}

} // namespace velko
