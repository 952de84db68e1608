#pragma once

// What the page checker's rules see. The checker reads the head once, in page
// order, and calls the hooks of every rule unit: one rule, or a family of
// rules that share their reading. CheckRules.cpp names each rule's unit
// beside its row; a unit is made afresh for each page, so what it counts on
// the way is its own. Units name the tags of the tag table by its rows
// (tagRowOf), never by names of their own.

#include "base/AsciiCase.h"
#include "check/CheckRules.h"
#include "page/HeadBreak.h"
#include "page/PageScanner.h"
#include "tags/TagKinds.h"
#include "tags/TagTable.h"
#include "text/CharacterReferences.h"

#include <QStringList>
#include <vector>

namespace velko {

class PageDecoder;
struct SitePage;

// A finding before its place is known as a line and column.
struct Found {
    qsizetype offset;
    Rule rule;
    QStringList arguments;
    RuleCase which = RuleCase::None;
};

// The page being checked, and where its findings go.
class CheckedPage {
public:
    CheckedPage(QByteArrayView bytes, PageDecoder &decoder, qsizetype headTag, HeadBreak headBreak,
                bool ownBytes, std::vector<Found> &found, SitePage *site = nullptr)
        : m_bytes(bytes)
        , m_decoder(decoder)
        , m_headTag(headTag)
        , m_headBreak(headBreak)
        , m_ownBytes(ownBytes)
        , m_found(found)
        , m_site(site) {}

    QByteArrayView bytes() const { return m_bytes; }
    // Where findings about the head as a whole go: the head tag.
    qsizetype headTag() const { return m_headTag; }
    // What ended the head before its end tag, if anything did.
    const HeadBreak &headBreak() const { return m_headBreak; }
    // False for the text of a page being edited, read as UTF-8: its bytes
    // are not yet in the charset it declares.
    bool ownBytes() const { return m_ownBytes; }
    // The page within its site, when a run checks a site; none for the text
    // being edited.
    SitePage *site() const { return m_site; }
    // A stretch of the page as a browser shows it (text/DisplayText.h): an
    // attribute value, or with `place` the text of an element.
    QString text(Span span, ReferencePlace place = ReferencePlace::AttributeValue);
    // A stretch of the page decoded, with no references read: a script's text.
    QString decoded(Span span);
    void report(qsizetype at, Rule rule, QStringList arguments = {}) {
        m_found.push_back({at, rule, std::move(arguments)});
    }
    // A finding of one of the rule's cases (CheckRules.h).
    void report(qsizetype at, RuleCase which, QStringList arguments = {}) {
        m_found.push_back({at, ruleCaseEntry(which).rule, std::move(arguments), which});
    }

private:
    QByteArrayView m_bytes;
    PageDecoder &m_decoder;
    qsizetype m_headTag;
    HeadBreak m_headBreak;
    bool m_ownBytes;
    std::vector<Found> &m_found;
    SitePage *m_site;
};

// A value of the page as a message shows it: on one line, cut when long.
QString shown(QStringView value);

// A tag of the row as a message names it: "<title>", "<meta name=\"robots\">".
QString tagLabel(const TagRow &row);

// A meta tag's key: its name, http-equiv or property.
struct MetaKey {
    QLatin1StringView attribute; // "name", "http-equiv" or "property"
    QString value;               // as shown, in ASCII lower case, for comparing
    QString written;             // as shown, for messages
    TagKind kind;                // the kind it makes the tag of

    // True when this is of the row's kind (for the charset declarations:
    // the row's exact key).
    bool is(const TagRow &row) const;
    // True when the value is the row's key value, whichever attribute holds it.
    bool hasValueOf(const TagRow &row) const;
};

struct MetaTag {
    const PageToken &token;
    std::vector<MetaKey> keys; // those it has and not empty: name, http-equiv, property
    QString content;           // as shown; left empty when it has no key

    qsizetype at() const { return token.whole.start; }
};

class RuleUnit {
public:
    virtual ~RuleUnit() = default;
    // The head's tags and comments, in page order; the head starts with
    // whatever comes before the head tag, which browsers put in it too.
    virtual void onTitle(const PageToken &) {}
    virtual void onMeta(const MetaTag &) {}
    virtual void onLink(const PageToken &) {}
    virtual void onComment(const PageToken &) {}
    virtual void onHtml(const PageToken &) {}
    // Then each title, meta or link tag after the head that the tag table has
    // a row for, in page order, an SVG image's titles aside. `pushed`: it
    // stands before the page's "</head>" or "<body>", but after something that
    // ended the head early (CheckedPage::headBreak), so browsers put it in
    // the body.
    virtual void onTagAfterHead(const PageToken &, const TagRow &, bool /*pushed*/) {}
    // Once the page is read: what its head lacks as a whole.
    virtual void onHeadEnd() {}
    // Last, each script element of the page, head and body, outside
    // templates, in page order: its start tag, whose attributes the scanner
    // leaves unread, and its text.
    virtual void onScript(const PageToken &) {}
};

template <typename Unit> std::unique_ptr<RuleUnit> makeUnit(CheckedPage &page) {
    return std::make_unique<Unit>(page);
}

} // namespace velko
