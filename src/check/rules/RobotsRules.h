#pragma once

// robots-noindex, robots-unknown: what a robots tag asks of search engines.

#include "check/RuleUnit.h"
#include "check/ValueFormats.h"

namespace velko {

class RobotsRules : public RuleUnit {
public:
    explicit RobotsRules(CheckedPage &page)
        : m_page(page) {}

    void onMeta(const MetaTag &meta) override {
        for (const MetaKey &key : meta.keys)
            if (key.is(m_row))
                robots(meta.at(), meta.content);
    }

private:
    void robots(qsizetype at, const QString &content) {
        bool keepsOut = false;
        for (QStringView token : QStringView(content).split(u',')) {
            token = token.trimmed();
            if (token.isEmpty())
                continue;
            keepsOut = keepsOut || equalsAsciiCaseless(token, QLatin1StringView("noindex")) ||
                       equalsAsciiCaseless(token, QLatin1StringView("none"));
            if (isRetiredRobotsToken(token))
                m_page.report(at, RuleCase::RobotsRetired, {shown(token)});
            else if (!isRobotsToken(token))
                m_page.report(at, Rule::RobotsUnknown, {shown(token)});
        }
        if (keepsOut)
            m_page.report(at, Rule::RobotsNoindex, {shown(content)});
    }

    CheckedPage &m_page;
    const TagRow &m_row = tagRowOf(List::Robot);
};

} // namespace velko
