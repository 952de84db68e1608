#pragma once

// title-missing, title-empty, title-duplicate, title-too-long: one title in
// the head, with text that fits a search result's line.

#include "check/RuleUnit.h"
#include "tags/SearchWidths.h"
#include "text/TextWidth.h"

namespace velko {

class TitleRules : public RuleUnit {
public:
    explicit TitleRules(CheckedPage &page)
        : m_page(page) {}

    void onTitle(const PageToken &title) override {
        const qsizetype at = title.whole.start;
        if (++m_titles > 1) {
            m_page.report(at, Rule::TitleDuplicate);
            return;
        }
        const QString text = m_page.text(title.text, ReferencePlace::Text);
        if (text.isEmpty()) {
            m_page.report(at, Rule::TitleEmpty);
            return;
        }
        if (const int width = wholePixels(text, titlePixelSize); width > searchTitleWidth)
            m_page.report(at, Rule::TitleTooLong,
                          {QString::number(width), QString::number(searchTitleWidth)});
    }

    void onHeadEnd() override {
        if (m_titles == 0)
            m_page.report(m_page.headTag(), Rule::TitleMissing);
    }

private:
    CheckedPage &m_page;
    int m_titles = 0;
};

} // namespace velko
