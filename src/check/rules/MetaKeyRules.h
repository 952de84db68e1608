#pragma once

// meta-duplicate, content-empty: every meta tag's keys, once each and with
// content.

#include "check/RuleUnit.h"

#include <set>

namespace velko {

class MetaKeyRules : public RuleUnit {
public:
    explicit MetaKeyRules(CheckedPage &page)
        : m_page(page) {}

    void onMeta(const MetaTag &meta) override {
        for (const MetaKey &key : meta.keys)
            if (!mayRepeat(key) && !m_keys.insert(QString(key.attribute) + u'=' + key.value).second)
                m_page.report(meta.at(), Rule::MetaDuplicate, {key.attribute, shown(key.written)});
        if (!meta.keys.empty() && meta.content.isEmpty())
            m_page.report(meta.at(), Rule::ContentEmpty,
                          {meta.keys.front().attribute, shown(meta.keys.front().written)});
    }

private:
    // Open Graph's lists: og:image with its properties, the other locales,
    // an article's tags.
    bool mayRepeat(const MetaKey &key) const {
        return key.hasValueOf(m_image) || key.value.startsWith(m_imageProperty) ||
               key.value == u"og:locale:alternate" || key.value == u"article:tag";
    }

    CheckedPage &m_page;
    const TagRow &m_image = tagRowOf(Field::OgImage);
    const QString m_imageProperty =
        asciiLower(QString(m_image.keyValue)) + u':'; // "og:image:width"
    std::set<QString> m_keys;                         // "name=description"
};

} // namespace velko
