#pragma once

// robots-noindex, robots-unknown: what a robots tag asks of search engines,
// or a robots tag for one crawler (googlebot) of that crawler.

#include "check/RuleUnit.h"
#include "check/ValueFormats.h"

namespace velko {

class RobotsRules : public RuleUnit {
public:
    explicit RobotsRules(CheckedPage &page)
        : m_page(page) {}

    void onMeta(const MetaTag &meta) override {
        for (const MetaKey &key : meta.keys) {
            if (key.is(m_row) || isCrawlerRobots(key.kind)) {
                robots(meta.at(), meta.content, key.is(m_row) ? QString() : key.written);
                return;
            }
        }
    }

private:
    // `crawler` as written, or empty for robots.
    void robots(qsizetype at, const QString &content, const QString &crawler) {
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
        if (keepsOut && crawler.isEmpty())
            m_page.report(at, Rule::RobotsNoindex, {shown(content)});
        else if (keepsOut)
            m_page.report(at, RuleCase::RobotsNoindexOne, {shown(crawler), shown(content)});
    }

    CheckedPage &m_page;
    const TagRow &m_row = tagRowOf(List::Robot);
};

} // namespace velko
