#pragma once

// tag-after-head: a tag that belongs in the head, after it.

#include "check/RuleUnit.h"

namespace velko {

class TagAfterHeadRule : public RuleUnit {
public:
    explicit TagAfterHeadRule(CheckedPage &page)
        : m_page(page) {}

    // A tag pushed out by an early end of the head is head-ended-early's.
    void onTagAfterHead(const PageToken &tag, const TagRow &row, bool pushed) override {
        if (!pushed)
            m_page.report(tag.whole.start, Rule::TagAfterHead, {tagLabel(row)});
    }

private:
    CheckedPage &m_page;
};

} // namespace velko
