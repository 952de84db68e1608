#pragma once

// hreflang-invalid, hreflang-relative, hreflang-self-missing, canonical-noindex,
// canonical-target-missing, og-image-missing, lang-missing: what a page says
// of its place in the site, judged on the page; and the facts the second
// pass judges beside the other pages (SiteCheck.h).

#include "check/RuleUnit.h"
#include "check/SiteCheck.h"
#include "check/ValueFormats.h"
#include "tags/TagMatch.h"

namespace velko {

class SiteRules : public RuleUnit {
public:
    explicit SiteRules(CheckedPage &page)
        : m_page(page)
        , m_site(page.site()) {}

    void onHtml(const PageToken &html) override {
        if (!m_htmlSeen && !findAttribute(m_page.bytes(), html, QLatin1StringView("lang")))
            m_page.report(html.whole.start, Rule::LangMissing);
        m_htmlSeen = true;
    }

    void onTitle(const PageToken &title) override {
        if (m_titleAt >= 0)
            return;
        m_titleAt = title.whole.start;
        m_title = m_page.text(title.text, ReferencePlace::Text).simplified();
    }

    void onMeta(const MetaTag &meta) override {
        for (const MetaKey &key : meta.keys) {
            if (key.is(m_description) && m_descriptionAt < 0) {
                m_descriptionAt = meta.at();
                m_descriptionText = meta.content.simplified();
            } else if (key.is(m_robots) && robotsKeepsOut(meta.content)) {
                m_noindex = true;
            } else if (isSharePicture(kindOfKey(key.attribute, key.value)) &&
                       !meta.content.isEmpty() && m_site && isMissing(meta.content)) {
                m_page.report(meta.at(), Rule::OgImageMissing, {key.written, shown(meta.content)});
            }
        }
    }

    void onLink(const PageToken &link) override {
        const QByteArrayView bytes = m_page.bytes();
        const Attribute *rel = findAttribute(bytes, link, m_canonical.keyAttribute);
        const Attribute *href = findAttribute(bytes, link, m_canonical.valueAttribute);
        if (!rel || !href)
            return;
        const QString address = m_page.text(href->value);
        if (wordsHold(bytes, rel->value, m_canonical.keyValue) && m_canonicalAt < 0) {
            m_canonicalAt = link.whole.start;
            m_canonicalAddress = address;
        }
        const Attribute *language = findAttribute(bytes, link, QLatin1StringView("hreflang"));
        if (!language || !wordsHold(bytes, rel->value, QLatin1StringView("alternate")))
            return;
        const QString code = m_page.text(language->value);
        if (!isLanguageTag(code))
            m_page.report(link.whole.start, Rule::HreflangInvalid, {shown(code)});
        if (!isAbsoluteHttpAddress(address))
            m_page.report(link.whole.start, Rule::HreflangRelative, {shown(address)});
        m_alternatesAt = m_alternatesAt < 0 ? link.whole.start : m_alternatesAt;
        if (!m_site)
            return;
        m_listsSelf = m_listsSelf || isSelf(address);
        const SiteTarget target = m_site->map.target(address, m_site->index);
        if (target.kind == SiteTarget::Kind::Page && target.page != m_site->index)
            m_site->facts.alternates.push_back({qint32(target.page), {link.whole.start}});
    }

    void onHeadEnd() override {
        if (m_site)
            judgeInSite();
    }

private:
    void judgeInSite() {
        SiteFacts &facts = m_site->facts;
        facts.noindex = m_noindex;
        if (m_alternatesAt >= 0 && !m_listsSelf)
            m_page.report(m_alternatesAt, Rule::HreflangSelfMissing);
        if (m_canonicalAt >= 0) {
            facts.canonicalAt.offset = m_canonicalAt;
            facts.namesOtherCanonical = !isSelf(m_canonicalAddress);
            const SiteTarget target = m_site->map.target(m_canonicalAddress, m_site->index);
            if (target.kind == SiteTarget::Kind::Missing && m_site->map.knowsAddress())
                m_page.report(m_canonicalAt, Rule::CanonicalTargetMissing,
                              {shown(m_canonicalAddress)});
            if (target.kind == SiteTarget::Kind::Page && target.page != m_site->index)
                facts.canonical = qint32(target.page);
            if (m_noindex && facts.namesOtherCanonical)
                m_page.report(m_canonicalAt, Rule::CanonicalNoindex);
        }
        // Duplicates by design, and pages kept out of search results, share
        // nothing a searcher sees.
        if (!m_noindex && !facts.namesOtherCanonical) {
            if (!m_title.isEmpty())
                facts.title = textHash(m_title);
            if (!m_descriptionText.isEmpty())
                facts.description = textHash(m_descriptionText);
        }
        facts.titleAt.offset = m_titleAt;
        facts.descriptionAt.offset = m_descriptionAt;
        if (m_site->keepTexts) {
            m_site->title = m_title;
            m_site->description = m_descriptionText;
        }
    }

    bool isSelf(const QString &address) const {
        const SiteTarget target = m_site->map.target(address, m_site->index, true);
        return target.kind == SiteTarget::Kind::Page && target.page == m_site->index;
    }

    // A relative address always names a file of the site; an absolute one
    // only under the site's address.
    bool isMissing(const QString &address) const {
        return m_site->map.target(address, m_site->index).kind == SiteTarget::Kind::Missing;
    }

    // Never 0, which stands for no text.
    static size_t textHash(const QString &text) { return qHash(text, size_t(1)) | 1; }

    CheckedPage &m_page;
    SitePage *m_site;
    const TagRow &m_description = tagRowOf(Field::Description);
    const TagRow &m_robots = tagRowOf(List::Robot);
    const TagRow &m_canonical = tagRowOf(Field::CanonicalUrl);
    bool m_htmlSeen = false;
    qsizetype m_titleAt = -1;
    QString m_title;
    qsizetype m_descriptionAt = -1;
    QString m_descriptionText;
    bool m_noindex = false;
    qsizetype m_canonicalAt = -1;
    QString m_canonicalAddress;
    qsizetype m_alternatesAt = -1;
    bool m_listsSelf = false;
};

} // namespace velko
