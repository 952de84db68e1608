#pragma once

// canonical-relative, canonical-duplicate, canonical-root: one canonical
// link, to an absolute address; in a site, one that names the page itself
// rather than the site's root. Two links to one address only repeat it.

#include "check/RuleUnit.h"
#include "check/SiteCheck.h"
#include "check/ValueFormats.h"
#include "tags/TagMatch.h"

#include <QUrl>

namespace velko {

class CanonicalRules : public RuleUnit {
public:
    explicit CanonicalRules(CheckedPage &page)
        : m_page(page) {}

    void onLink(const PageToken &link) override {
        const QByteArrayView bytes = m_page.bytes();
        const Attribute *rel = findAttribute(bytes, link, m_row.keyAttribute);
        if (!rel || !wordsHold(bytes, rel->value, m_row.keyValue))
            return;
        const qsizetype at = link.whole.start;
        const Attribute *href = findAttribute(bytes, link, m_row.valueAttribute);
        const QString address = href ? m_page.text(href->value) : QString();
        const QUrl url(address.trimmed());
        if (m_links++ == 0) {
            m_first = url;
            const SitePage *site = m_page.site();
            if (site && !site->map.isRoot(site->index) && site->map.namesRoot(address, site->index))
                m_page.report(at, Rule::CanonicalRoot, {shown(address)});
        } else if (url == m_first) {
            m_page.report(at, RuleCase::CanonicalSame);
        } else {
            m_page.report(at, Rule::CanonicalDuplicate);
        }
        if (!isAbsoluteHttpAddress(address))
            m_page.report(at, Rule::CanonicalRelative, {shown(address)});
    }

private:
    CheckedPage &m_page;
    const TagRow &m_row = tagRowOf(Field::CanonicalUrl);
    int m_links = 0;
    QUrl m_first; // the first link's address
};

} // namespace velko
