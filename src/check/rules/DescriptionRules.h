#pragma once

// description-missing, description-too-long, description-too-short: the
// head's first description, against the room of a search result.

#include "check/RuleUnit.h"
#include "tags/SearchWidths.h"
#include "text/TextWidth.h"

#include <optional>

namespace velko {

class DescriptionRules : public RuleUnit {
public:
    explicit DescriptionRules(CheckedPage &page)
        : m_page(page) {}

    void onMeta(const MetaTag &meta) override {
        for (const MetaKey &key : meta.keys)
            if (!m_at && key.is(m_row)) {
                m_at = meta.at();
                m_content = meta.content;
            }
    }

    void onHeadEnd() override {
        if (!m_at) {
            m_page.report(m_page.headTag(), Rule::DescriptionMissing);
            return;
        }
        if (m_content.isEmpty())
            return;
        const TextExtent extent = textExtent(m_content, descriptionPixelSize);
        if (extent.pixels > searchDescriptionWidth)
            m_page.report(
                *m_at, Rule::DescriptionTooLong,
                {QString::number(extent.pixels), QString::number(searchDescriptionWidth)});
        if (extent.characters < kShort)
            m_page.report(*m_at, Rule::DescriptionTooShort, {QString::number(extent.characters)});
    }

private:
    static constexpr qsizetype kShort = 50; // characters

    CheckedPage &m_page;
    const TagRow &m_row = tagRowOf(Field::Description);
    std::optional<qsizetype> m_at; // where the first description is
    QString m_content;
};

} // namespace velko
