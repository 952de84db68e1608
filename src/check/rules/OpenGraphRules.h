#pragma once

// og-incomplete, og-image-relative: Open Graph tags (whichever attribute
// holds their keys) with the four that every share needs, and a picture
// that sites can fetch.

#include "check/RuleUnit.h"
#include "check/ValueFormats.h"

#include <optional>
#include <set>

namespace velko {

class OpenGraphRules : public RuleUnit {
public:
    explicit OpenGraphRules(CheckedPage &page)
        : m_page(page) {}

    void onMeta(const MetaTag &meta) override {
        for (const MetaKey &key : meta.keys) {
            if (!key.value.startsWith(u"og:"))
                continue;
            if (!m_first)
                m_first = meta.at();
            m_keys.insert(key.value);
            if (key.hasValueOf(m_image) && !meta.content.isEmpty() &&
                !isAbsoluteHttpAddress(meta.content))
                m_page.report(meta.at(), Rule::OgImageRelative, {shown(meta.content)});
        }
    }

    void onHeadEnd() override {
        if (!m_first)
            return;
        QStringList lacking;
        for (const TagRow *required : {&tagRowOf(Field::OgTitle), &tagRowOf(List::OgType), &m_image,
                                       &tagRowOf(Field::OgUrl)})
            if (!m_keys.count(asciiLower(QString(required->keyValue))))
                lacking << QString(required->keyValue);
        if (!lacking.isEmpty())
            m_page.report(*m_first, Rule::OgIncomplete, {lacking.join(QStringLiteral(", "))});
    }

private:
    CheckedPage &m_page;
    const TagRow &m_image = tagRowOf(Field::OgImage);
    std::optional<qsizetype> m_first; // where the first Open Graph tag is
    std::set<QString> m_keys;
};

} // namespace velko
