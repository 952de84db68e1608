#pragma once

// viewport-missing, viewport-no-zoom: a head with the viewport tag that
// phones need, one that lets people zoom. Browsers take the last viewport
// tag of the head.

#include "check/RuleUnit.h"
#include "check/ValueFormats.h"

namespace velko {

class ViewportRules : public RuleUnit {
public:
    explicit ViewportRules(CheckedPage &page)
        : m_page(page) {}

    void onMeta(const MetaTag &meta) override {
        for (const MetaKey &key : meta.keys) {
            if (key.is(m_row)) {
                m_at = meta.at();
                m_content = meta.content;
            }
        }
    }

    void onHeadEnd() override {
        if (m_at < 0)
            m_page.report(m_page.headTag(), Rule::ViewportMissing);
        else if (const QString setting = viewportZoomStop(m_content); !setting.isEmpty())
            m_page.report(m_at, Rule::ViewportNoZoom, {shown(setting)});
    }

private:
    CheckedPage &m_page;
    const TagRow &m_row = tagRowOf(List::Viewport);
    qsizetype m_at = -1;
    QString m_content;
};

} // namespace velko
