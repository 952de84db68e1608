#include "check/SiteMap.h"

#include <QDir>
#include <QFileInfo>

namespace velko {

namespace {

QString absoluteClean(const QString &path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

bool isWebScheme(const QString &scheme) {
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

} // namespace

SiteMap::SiteMap(const QStringList &pages, const QString &root, const QUrl &base)
    : m_root(absoluteClean(root))
    , m_base(base.isEmpty() ? QUrl(QStringLiteral("https://site.invalid/")) : base)
    , m_knowsAddress(!base.isEmpty()) {
    if (!m_base.path().endsWith(u'/'))
        m_base.setPath(m_base.path() + u'/');
    const QDir rootDir(m_root);
    m_relative.reserve(pages.size());
    for (qsizetype i = 0; i < pages.size(); ++i) {
        m_relative << rootDir.relativeFilePath(absoluteClean(pages[i]));
        m_pages.insert(m_relative.back(), i);
    }
}

QUrl SiteMap::pageAddress(qsizetype page) const {
    QUrl address = m_base;
    address.setPath(m_base.path() + m_relative[page], QUrl::DecodedMode);
    return address;
}

SiteTarget SiteMap::target(QStringView address, qsizetype from, bool anyHost) const {
    QUrl url = pageAddress(from).resolved(QUrl(address.trimmed().toString()));
    if (anyHost && !m_knowsAddress && isWebScheme(url.scheme())) {
        url.setHost(m_base.host());
        url.setPort(m_base.port());
    }
    // http and https name the same site: sites answer on both, one redirecting.
    if (!isWebScheme(url.scheme()) || url.host() != m_base.host() || url.port(0) != m_base.port(0))
        return {};
    const QString path = url.path(QUrl::FullyDecoded);
    if (!path.startsWith(m_base.path()))
        return {};
    const QString name = path.mid(m_base.path().size());
    if (name.isEmpty() || name.endsWith(u'/'))
        return fileTarget(name + QLatin1String("index.html"));
    if (name.section(u'/', -1).contains(u'.'))
        return fileTarget(name);
    const SiteTarget page = fileTarget(name + QLatin1String(".html"));
    return page.kind == SiteTarget::Kind::Missing ? fileTarget(name + QLatin1String("/index.html"))
                                                  : page;
}

bool SiteMap::namesRoot(QStringView address, qsizetype from) const {
    const QUrl url = pageAddress(from).resolved(QUrl(address.trimmed().toString()));
    if (!isWebScheme(url.scheme()) || url.hasQuery())
        return false;
    if (m_knowsAddress && (url.host() != m_base.host() || url.port(0) != m_base.port(0)))
        return false;
    const QString path = url.path(QUrl::FullyDecoded);
    const QString root = m_base.path(); // "/" for the stand-in
    return path == root || path == root + QLatin1String("index.html") ||
           (path.isEmpty() && root == u'/');
}

SiteTarget SiteMap::fileTarget(const QString &relative) const {
    const QString clean = QDir::cleanPath(relative);
    // A resolved address has no ".." left, but a decoded "%2E%2E" would.
    if (clean.startsWith(QLatin1String("../")) || clean == QLatin1String(".."))
        return {};
    if (const auto found = m_pages.constFind(clean); found != m_pages.cend())
        return {SiteTarget::Kind::Page, *found};
    const bool exists = QFileInfo::exists(m_root + u'/' + clean);
    return {exists ? SiteTarget::Kind::File : SiteTarget::Kind::Missing, -1};
}

QString commonFolder(const QStringList &paths) {
    if (paths.isEmpty())
        return QDir::currentPath();
    QString common = QFileInfo(absoluteClean(paths.front())).path();
    for (const QString &path : paths) {
        const QString folder = QFileInfo(absoluteClean(path)).path();
        while (common != folder && !folder.startsWith(common + u'/') && common != u'/')
            common = QFileInfo(common).path();
    }
    return common;
}

} // namespace velko
