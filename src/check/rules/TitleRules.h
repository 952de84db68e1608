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

    // Browsers take a title wherever it stands: one after the head is
    // tag-after-head's or head-ended-early's, and no missing title.
    void onTagAfterHead(const PageToken &, const TagRow &row, bool) override {
        m_titleAfterHead = m_titleAfterHead || row.element == Element::Title;
    }

    void onHeadEnd() override {
        if (m_titles == 0 && !m_titleAfterHead)
            m_page.report(m_page.headTag(), Rule::TitleMissing);
    }

private:
    CheckedPage &m_page;
    int m_titles = 0;
    bool m_titleAfterHead = false;
};

} // namespace velko
