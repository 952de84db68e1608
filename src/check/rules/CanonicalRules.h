#pragma once

// canonical-relative, canonical-duplicate: one canonical link, to an
// absolute address.

#include "check/RuleUnit.h"
#include "check/ValueFormats.h"
#include "tags/TagMatch.h"

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
        if (++m_links > 1)
            m_page.report(at, Rule::CanonicalDuplicate);
        const Attribute *href = findAttribute(bytes, link, m_row.valueAttribute);
        const QString address = href ? m_page.text(href->value) : QString();
        if (!isAbsoluteHttpAddress(address))
            m_page.report(at, Rule::CanonicalRelative, {shown(address)});
    }

private:
    CheckedPage &m_page;
    const TagRow &m_row = tagRowOf(Field::CanonicalUrl);
    int m_links = 0;
};

} // namespace velko
