#pragma once

// charset-missing, charset-late, charset-conflict, charset-mismatch: the
// head's charset declarations, early, agreeing, and true to the bytes.

#include "check/PageEncoding.h"
#include "check/RuleUnit.h"
#include "page/PageCharset.h"

namespace velko {

class CharsetRules : public RuleUnit {
public:
    explicit CharsetRules(CheckedPage &page)
        : m_page(page) {}

    void onMeta(const MetaTag &meta) override {
        if (QByteArray charset = declaredCharset(m_page.bytes(), meta.token).toByteArray();
            !charset.isEmpty())
            m_declarations.push_back({meta.token.whole, charset});
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
            if (declaration.tag.end() > kWindow)
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
    };

    CheckedPage &m_page;
    std::vector<Declaration> m_declarations;
};

} // namespace velko
