#pragma once

// icon-missing: a head that links no icon ("icon" or "shortcut icon"), so
// that browsers ask the server for /favicon.ico, which many sites lack.

#include "check/RuleUnit.h"
#include "tags/TagMatch.h"

namespace velko {

class IconRule : public RuleUnit {
public:
    explicit IconRule(CheckedPage &page)
        : m_page(page) {}

    void onLink(const PageToken &link) override {
        const Attribute *rel = findAttribute(m_page.bytes(), link, QLatin1StringView("rel"));
        m_found =
            m_found || (rel && wordsHold(m_page.bytes(), rel->value, QLatin1StringView("icon")));
    }

    void onHeadEnd() override {
        if (!m_found)
            m_page.report(m_page.headTag(), Rule::IconMissing);
    }

private:
    CheckedPage &m_page;
    bool m_found = false;
};

} // namespace velko
