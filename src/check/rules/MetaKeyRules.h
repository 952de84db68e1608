#pragma once

// meta-duplicate, content-empty: each meta tag's kinds (tags/TagKinds.h)
// once each and with content (early Twitter Card markup put it in value=). A kind that repeats
// never counts twice, nor do two variants of a kind (a theme colour per media).

#include "check/RuleUnit.h"
#include "page/PageHead.h"
#include "tags/TagMatch.h"

#include <set>

namespace velko {

class MetaKeyRules : public RuleUnit {
public:
    explicit MetaKeyRules(CheckedPage &page)
        : m_page(page) {}

    void onMeta(const MetaTag &meta) override {
        const QByteArrayView bytes = m_page.bytes();
        QString variant;
        if (const QLatin1StringView name = variantOf(bytes, meta.token); !name.isEmpty())
            variant =
                u'|' + name + u'=' + m_page.text(findAttribute(bytes, meta.token, name)->value);
        std::vector<TagKind> kinds;
        const auto count = [&](const TagKind &kind, QLatin1StringView attribute,
                               const QString &written) {
            const Repeat repeat = repeatOf(kind);
            if (repeat == Repeat::Many ||
                std::find(kinds.begin(), kinds.end(), kind) != kinds.end())
                return;
            kinds.push_back(kind);
            const QString key = QString::number(int(kind.space)) + u':' + kind.key + variant;
            if (m_kinds.insert(key).second)
                return;
            const QStringList arguments{attribute, shown(written)};
            if (repeat == Repeat::OnceRead)
                m_page.report(meta.at(), Rule::MetaDuplicate, arguments);
            else
                m_page.report(meta.at(), RuleCase::MetaDuplicateOnce, arguments);
        };
        if (const Attribute *charset =
                findAttribute(bytes, meta.token, QLatin1StringView("charset")))
            count({KeySpace::Charset}, QLatin1StringView("charset"), m_page.text(charset->value));
        for (const MetaKey &key : meta.keys)
            count(key.kind, key.attribute, key.written);
        if (meta.keys.empty() || !meta.content.isEmpty())
            return;
        const MetaKey &key = meta.keys.front();
        const Attribute *value = findAttribute(bytes, meta.token, QLatin1StringView("value"));
        if (value && !m_page.text(value->value).isEmpty())
            m_page.report(meta.at(), RuleCase::ContentInValue, {shown(key.written)});
        else
            m_page.report(meta.at(), Rule::ContentEmpty, {key.attribute, shown(key.written)});
    }

private:
    CheckedPage &m_page;
    std::set<QString> m_kinds; // "space:key|media=value"
};

} // namespace velko
