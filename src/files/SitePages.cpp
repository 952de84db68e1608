#include "files/SitePages.h"

#include <QDirIterator>
#include <QFileInfo>

namespace velko {

namespace {

// ".HTML" counts too.
bool isPageSuffix(const QString &suffix) {
    return suffix.compare(QLatin1String("htm"), Qt::CaseInsensitive) == 0 ||
           suffix.compare(QLatin1String("html"), Qt::CaseInsensitive) == 0 ||
           suffix.compare(QLatin1String("xhtml"), Qt::CaseInsensitive) == 0;
}

} // namespace

QStringList pagesInFolder(const QString &folder, const std::function<bool()> &stopped) {
    QStringList pages;
    // Without QDir::Hidden the iterator neither lists nor enters hidden
    // entries. It lists every entry, folders too, and the pages are picked
    // here: with name filters it would walk a whole tree of other files
    // before returning, and a stop would wait for it.
    QDirIterator entries(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext() && !stopped()) {
        const QFileInfo entry = entries.nextFileInfo();
        if (entry.isFile() && isPageSuffix(entry.suffix()))
            pages << entry.filePath();
    }
    pages.sort();
    return pages;
}

QStringList pagesToUpdate(const QStringList &chosen, const std::function<bool()> &stopped) {
    QStringList pages;
    for (const QString &path : chosen)
        pages << (QFileInfo(path).isDir() ? pagesInFolder(path, stopped) : QStringList{path});
    pages.sort();
    pages.removeDuplicates();
    return pages;
}

} // namespace velko
