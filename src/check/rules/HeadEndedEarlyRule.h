#pragma once

// head-ended-early: something that cannot stand in a head ends it for
// browsers, and the head tags after it land in the body.

#include "check/RuleUnit.h"

namespace velko {

class HeadEndedEarlyRule : public RuleUnit {
public:
    explicit HeadEndedEarlyRule(CheckedPage &page)
        : m_page(page) {}

    void onTagAfterHead(const PageToken &, const TagRow &row, bool pushed) override {
        if (!pushed)
            return;
        if (++m_pushed <= kNamed)
            m_names.push_back(tagLabel(row));
    }

    void onHeadEnd() override {
        if (m_pushed == 0)
            return;
        const HeadBreak &end = m_page.headBreak();
        QString names = m_names.join(QStringLiteral(", "));
        if (m_pushed > kNamed)
            names += QStringLiteral(", …");
        const QString count = QString::number(m_pushed);
        if (end.name.length == 0) {
            const QByteArrayView bytes = m_page.bytes();
            qsizetype to = std::min(end.at + kQuoted, bytes.size());
            if (const qsizetype tag = indexOfUnit(bytes.first(to), '<', end.at); tag > end.at)
                to = tag;
            while (to > end.at && to < bytes.size() && (quint8(bytes[to]) & 0xC0) == 0x80)
                --to; // not into a character's bytes
            m_page.report(
                end.at, RuleCase::HeadEndedByText,
                {shown(m_page.text({end.at, to - end.at}, ReferencePlace::Text)), count, names});
        } else {
            const QString name = QString::fromLatin1(sliceOf(m_page.bytes(), end.name)).toLower();
            m_page.report(
                end.at, Rule::HeadEndedEarly,
                {(end.endTag ? QStringLiteral("</%1>") : QStringLiteral("<%1>")).arg(name), count,
                 names});
        }
    }

private:
    static constexpr int kNamed = 3;         // tags a message names
    static constexpr qsizetype kQuoted = 40; // bytes of the text it quotes

    CheckedPage &m_page;
    int m_pushed = 0;
    QStringList m_names;
};

} // namespace velko
