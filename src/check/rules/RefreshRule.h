#pragma once

// refresh-redirect: a refresh tag that sends visitors elsewhere.

#include "check/RuleUnit.h"
#include "check/ValueFormats.h"

namespace velko {

class RefreshRule : public RuleUnit {
public:
    explicit RefreshRule(CheckedPage &page)
        : m_page(page) {}

    void onMeta(const MetaTag &meta) override {
        for (const MetaKey &key : meta.keys)
            if (key.is(m_row))
                if (const QStringView address = refreshAddress(meta.content); !address.isEmpty())
                    m_page.report(meta.at(), Rule::RefreshRedirect, {shown(address)});
    }

private:
    CheckedPage &m_page;
    const TagRow &m_row = tagRowOf(Field::RefreshSlot);
};

} // namespace velko
