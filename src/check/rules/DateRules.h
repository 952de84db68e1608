#pragma once

// dc-date-format, expires-format: dates in the forms their tags take.

#include "check/RuleUnit.h"
#include "check/ValueFormats.h"

namespace velko {

class DateRules : public RuleUnit {
public:
    explicit DateRules(CheckedPage &page)
        : m_page(page) {}

    void onMeta(const MetaTag &meta) override {
        const QString &content = meta.content;
        if (content.isEmpty())
            return;
        for (const MetaKey &key : meta.keys) {
            if (key.is(m_dcDate) && !isW3cDate(content))
                m_page.report(meta.at(), Rule::DcDateFormat, {shown(content)});
            else if (key.is(m_expires) && content != u"0" && !isHttpDate(content))
                m_page.report(meta.at(), Rule::ExpiresFormat, {shown(content)});
        }
    }

private:
    CheckedPage &m_page;
    const TagRow &m_dcDate = tagRowOf(Field::DCDate);
    const TagRow &m_expires = tagRowOf(Field::Expires);
};

} // namespace velko
