#pragma once

// A site as a folder of files: which file an address of the site is, and
// which of the run's pages. With the site's address (--site-url), absolute
// addresses under it map to files under the root; without it, only
// relative ones do.

#include <QHash>
#include <QStringList>
#include <QUrl>

namespace velko {

struct SiteTarget {
    enum class Kind {
        Outside, // not an address of the site
        Page,    // one of the run's pages
        File,    // a file of the site that the run does not check
        Missing, // an address of the site with no file
    };
    Kind kind = Kind::Outside;
    qsizetype page = -1; // for Page: its index in the run
};

class SiteMap {
public:
    // `pages` as the run names them, `root` the folder the site's addresses
    // map into; `base` empty when the site's address is not known.
    SiteMap(const QStringList &pages, const QString &root, const QUrl &base);

    bool knowsAddress() const { return m_knowsAddress; }
    // The page's address: under the site's, or under a stand-in for it.
    QUrl pageAddress(qsizetype page) const;
    // What `address`, as written in the page `from`, names. With `anyHost`,
    // an absolute address on another host is taken as the site's too: the
    // guess, without the site's address, of whether a page names itself.
    SiteTarget target(QStringView address, qsizetype from, bool anyHost = false) const;

    // True when the page is the site's root page: index.html in the root.
    bool isRoot(qsizetype page) const { return m_relative[page] == u"index.html"; }
    // True when `address`, as written in the page `from`, names the site's
    // root (its address, or its index.html) with no query. Without the
    // site's address, the root of any host.
    bool namesRoot(QStringView address, qsizetype from) const;

private:
    SiteTarget fileTarget(const QString &relative) const;

    QString m_root; // absolute, without a "/" at the end
    QUrl m_base;    // its path ends with "/"
    bool m_knowsAddress;
    QStringList m_relative; // each page's path from the root
    QHash<QString, qsizetype> m_pages;
};

// The folder all of `paths` are in, absolute.
QString commonFolder(const QStringList &paths);

} // namespace velko
