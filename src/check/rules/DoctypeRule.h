#pragma once

// doctype-missing: a page that does not start with <!DOCTYPE html>. Before
// it, browsers allow only white space and comments (a byte-order mark aside);
// anything else, or a doctype that names no html, puts them in quirks mode.

#include "base/ByteOrderMarks.h"
#include "check/RuleUnit.h"

namespace velko {

class DoctypeRule : public RuleUnit {
public:
    explicit DoctypeRule(CheckedPage &page)
        : m_page(page) {}

    void onHeadEnd() override {
        using L = QLatin1StringView;
        const QByteArrayView bytes = m_page.bytes();
        const qsizetype start = bytes.startsWith(kUtf8Mark) ? kUtf8Mark.size() : 0;
        qsizetype at = start;
        for (;;) {
            while (at < bytes.size() && isHtmlSpace(unitAt(bytes, at)))
                ++at;
            // A comment, or "<?xml ...>", which browsers read as one.
            qsizetype next = -1;
            if (wordAt(bytes, at, L("<!--"))) {
                const qsizetype close = indexOfWord(bytes, L("-->"), at + 2);
                next = close < 0 ? -1 : close + 3;
            } else if (wordAt(bytes, at, L("<?"))) {
                const qsizetype close = indexOfUnit(bytes, '>', at);
                next = close < 0 ? -1 : close + 1;
            }
            if (next < 0)
                break;
            at = next;
        }
        if (at >= bytes.size()) {
            m_page.report(start, Rule::DoctypeMissing);
        } else if (!wordAt(bytes, at, L("<!doctype")) || !namesHtml(bytes, at + 9)) {
            m_page.report(at, Rule::DoctypeMissing);
        }
    }

private:
    // The doctype's name, after blanks, is "html" in any letter case.
    static bool namesHtml(QByteArrayView bytes, qsizetype at) {
        while (at < bytes.size() && isHtmlSpace(unitAt(bytes, at)))
            ++at;
        const qsizetype end = at + 4;
        return wordAt(bytes, at, QLatin1StringView("html")) &&
               (end == bytes.size() || isHtmlSpace(unitAt(bytes, end)) ||
                unitAt(bytes, end) == '>');
    }

    CheckedPage &m_page;
};

} // namespace velko
