#pragma once

// tag-after-head: a tag that belongs in the head, after it. The titles of SVG
// images are no page titles.

#include "check/RuleUnit.h"

#include <algorithm>

namespace velko {

class TagAfterHeadRule : public RuleUnit {
public:
    explicit TagAfterHeadRule(CheckedPage &page)
        : m_page(page) {}

    void onTagAfterHead(const PageToken &tag, const TagRow &row) override {
        if (row.element == Element::Title && insideSvg(tag.whole.start))
            return;
        m_page.report(tag.whole.start, Rule::TagAfterHead, {label(row)});
    }

private:
    static QString label(const TagRow &row) {
        if (row.element == Element::Title)
            return QStringLiteral("<title>");
        return QStringLiteral("<%1 %2=\"%3\">")
            .arg(row.element == Element::Link ? QLatin1StringView("link")
                                              : QLatin1StringView("meta"),
                 row.keyAttribute, row.keyValue);
    }

    // Whether `at` lies inside an <svg> element; asked in page order.
    bool insideSvg(qsizetype at) {
        const QByteArrayView bytes = m_page.bytes();
        while (m_scanned < at) {
            const qsizetype open = indexOfUnit(bytes, '<', m_scanned);
            if (open < 0 || open >= at)
                break;
            const bool endTag = open + 1 < bytes.size() && bytes[open + 1] == '/';
            const qsizetype name = open + (endTag ? 2 : 1);
            if (wordAt(bytes, name, QLatin1StringView("svg")) &&
                scanning::nameEnd(bytes, name) == name + 3)
                m_svgDepth = endTag ? std::max(0, m_svgDepth - 1) : m_svgDepth + 1;
            m_scanned = open + 1;
        }
        m_scanned = std::max(m_scanned, at);
        return m_svgDepth > 0;
    }

    CheckedPage &m_page;
    qsizetype m_scanned = 0;
    int m_svgDepth = 0;
};

} // namespace velko
