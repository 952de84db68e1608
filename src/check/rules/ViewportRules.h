#pragma once

// viewport-missing: a head without the viewport tag, which phones need.

#include "check/RuleUnit.h"

namespace velko {

class ViewportRule : public RuleUnit {
public:
    explicit ViewportRule(CheckedPage &page)
        : m_page(page) {}

    void onMeta(const MetaTag &meta) override {
        for (const MetaKey &key : meta.keys)
            m_found = m_found || key.is(m_row);
    }

    void onHeadEnd() override {
        if (!m_found)
            m_page.report(m_page.headTag(), Rule::ViewportMissing);
    }

private:
    CheckedPage &m_page;
    const TagRow &m_row = tagRowOf(List::Viewport);
    bool m_found = false;
};

} // namespace velko
