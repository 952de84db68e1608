#pragma once

// charset-missing, charset-late, charset-conflict, charset-mismatch: the
// head's charset declarations, early, agreeing, and true to the bytes.

#include "check/PageEncoding.h"
#include "check/RuleUnit.h"
#include "page/PageCharset.h"

#include <algorithm>

namespace velko {

class CharsetRules : public RuleUnit {
public:
    explicit CharsetRules(CheckedPage &page)
        : m_page(page) {}

    void onMeta(const MetaTag &meta) override { add(meta.token, false); }

    // Browsers find a declaration in the bytes wherever the tree puts it.
    void onTagAfterHead(const PageToken &tag, const TagRow &, bool pushed) override {
        if (pushed)
            add(tag, true);
    }

    void onHeadEnd() override {
        if (m_declarations.empty()) {
            m_page.report(m_page.headTag(), Rule::CharsetMissing);
            return;
        }
        const Declaration &first = m_declarations.front();
        const QString firstName = QString::fromLatin1(first.charset);
        PageDecoder firstDecoder(first.charset);
        for (const Declaration &declaration : m_declarations) {
            if (declaration.tag.end() > kWindow && misread(declaration))
                m_page.report(declaration.tag.start, RuleCase::CharsetLateMisread);
            else if (declaration.tag.end() > kWindow)
                m_page.report(declaration.tag.start, Rule::CharsetLate);
            const PageDecoder decoder(declaration.charset);
            const bool same =
                decoder.isKnown() && firstDecoder.isKnown()
                    ? decoder.name() == firstDecoder.name()
                    : equalsAsciiCaseless(firstName, QLatin1StringView(declaration.charset));
            if (!same)
                m_page.report(declaration.tag.start, Rule::CharsetConflict,
                              {shown(QString::fromLatin1(declaration.charset)), shown(firstName)});
        }
        if (m_page.ownBytes() && firstDecoder.isKnown() && !firstDecoder.fits(m_page.bytes()))
            m_page.report(first.tag.start, Rule::CharsetMismatch, {shown(firstName)});
    }

private:
    static constexpr qsizetype kWindow = 1024; // where browsers look for the charset

    struct Declaration {
        Span tag;
        QByteArray charset;
        bool pushed; // into the body, by an early end of the head
    };

    void add(const PageToken &tag, bool pushed) {
        if (QByteArray charset = declaredCharset(m_page.bytes(), tag).toByteArray();
            !charset.isEmpty())
            m_declarations.push_back({tag.whole, charset, pushed});
    }

    // A late declaration does harm when it stands in the body, or when the
    // bytes before it read otherwise in the charset browsers guess until they
    // find it; else they only read the page twice.
    bool misread(const Declaration &declaration) const {
        if (declaration.pushed)
            return true;
        const QByteArrayView before = m_page.bytes().first(declaration.tag.start);
        if (!m_page.ownBytes() ||
            std::all_of(before.begin(), before.end(), [](char c) { return quint8(c) < 0x80; }))
            return false;
        PageDecoder declared(declaration.charset);
        PageDecoder guessed("windows-1252");
        return !declared.isKnown() || declared.decode(before) != guessed.decode(before);
    }

    CheckedPage &m_page;
    std::vector<Declaration> m_declarations;
};

} // namespace velko
