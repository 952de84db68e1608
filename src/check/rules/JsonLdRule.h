#pragma once

// json-ld-invalid: structured data that does not parse. Search engines drop
// a JSON-LD script whose text is no JSON, whatever it describes.

#include "check/RuleUnit.h"

#include <QJsonDocument>
#include <QJsonParseError>

namespace velko {

class JsonLdRule : public RuleUnit {
public:
    explicit JsonLdRule(CheckedPage &page)
        : m_page(page) {}

    void onScript(const PageToken &script) override {
        const QByteArrayView bytes = m_page.bytes();
        PageToken tag = script;
        if (scanning::readAttributes(bytes, tag.name.end(), tag.attributes) < 0)
            return;
        const Attribute *type = findAttribute(bytes, tag, QLatin1StringView("type"));
        if (!type || !equalsAsciiCaseless(m_page.text(type->value).section(u';', 0, 0).trimmed(),
                                          QLatin1StringView("application/ld+json")))
            return;
        const QByteArray json = m_page.decoded(script.text).toUtf8();
        QJsonParseError error;
        QJsonDocument::fromJson(json, &error);
        if (error.error == QJsonParseError::NoError)
            return;
        // At the fault when the page's bytes up to it are those parsed (a
        // UTF-8 page), else at the script.
        const qsizetype fault = std::min<qsizetype>(error.offset, json.size());
        const bool same = sliceOf(bytes, script.text).first(std::min(fault, script.text.length)) ==
                          QByteArrayView(json).first(fault);
        m_page.report(same ? script.text.start + fault : script.whole.start, Rule::JsonLdInvalid,
                      {error.errorString()});
    }

private:
    CheckedPage &m_page;
};

} // namespace velko
