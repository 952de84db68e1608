#pragma once

// The site rules: what a page's tags mean beside the other pages of the run
// (shared titles and descriptions, canonicals and hreflang alternates between
// pages). The checker gathers each page's facts on its way through the page;
// once every page is read, siteFindings judges them together.

#include "check/PageChecker.h"
#include "check/SiteMap.h"

#include <vector>

namespace velko {

// A place in a page, found by its offset and told as a line and column once
// the page is read.
struct SitePlace {
    qsizetype offset = -1;
    qint32 line = 0;
    qint32 column = 0;
};

// What the second pass needs of a page. A run holds it for every page, so it
// is kept small: hashes rather than texts, pages by their index.
struct SiteFacts {
    size_t title = 0; // a hash of the title as shown; 0 when none, or left out of sharing
    size_t description = 0;
    SitePlace titleAt;
    SitePlace descriptionAt;
    SitePlace canonicalAt;
    qint32 canonical = -1; // the run's page its canonical names, when another one
    bool namesOtherCanonical = false;
    bool noindex = false;
    std::vector<std::pair<qint32, SitePlace>> alternates; // the run's pages its hreflang lists
};

// A page checked as a page of a site.
struct SitePage {
    const SiteMap &map;
    qsizetype index; // in the run
    bool keepTexts = false;
    SiteFacts facts = {};
    QString title = {}; // as shown, when keepTexts
    QString description = {};
};

// Checks a page's bytes as checkPage does, with the site rules that judge
// the page within its site; fills `site`'s facts.
std::vector<Finding> checkSitePage(QByteArrayView page, SitePage &site);

// The rules that need the site's address; without it they are skipped.
bool needsSiteAddress(Rule rule);

// The groups of two or more pages whose `text` is the same, largest first,
// each in page order.
std::vector<std::vector<qsizetype>> sharedGroups(const std::vector<SiteFacts> &facts,
                                                 size_t SiteFacts::*text);

// The findings of the second pass for each page, in page order; `paths` name
// the pages in messages.
std::vector<std::vector<Finding>> siteFindings(const std::vector<SiteFacts> &facts,
                                               const QStringList &paths, bool knowsAddress);

} // namespace velko
