#include "check/PageChecker.h"

#include "base/ByteOrderMarks.h"
#include "check/PageEncoding.h"
#include "check/PagePlaces.h"
#include "check/RuleUnit.h"
#include "check/SiteCheck.h"
#include "page/PageCharset.h"
#include "page/PageHead.h"
#include "tags/TagMatch.h"

#include <QCoreApplication>
#include <algorithm>

namespace velko {

namespace {

using L = QLatin1StringView;

constexpr const char *kContext = "velko::PageChecker";

// Whether a place lies inside an <svg> element, whose titles are an image's,
// not the page's; asked in page order.
class SvgDepth {
public:
    explicit SvgDepth(QByteArrayView page)
        : m_page(page) {}

    bool inside(qsizetype at) {
        while (m_scanned < at) {
            const qsizetype open = indexOfUnit(m_page, '<', m_scanned);
            if (open < 0 || open >= at)
                break;
            const bool endTag = open + 1 < m_page.size() && m_page[open + 1] == '/';
            const qsizetype name = open + (endTag ? 2 : 1);
            if (wordAt(m_page, name, L("svg")) && scanning::nameEnd(m_page, name) == name + 3)
                m_depth = endTag ? std::max(0, m_depth - 1) : m_depth + 1;
            m_scanned = open + 1;
        }
        m_scanned = std::max(m_scanned, at);
        return m_depth > 0;
    }

private:
    QByteArrayView m_page;
    qsizetype m_scanned = 0;
    int m_depth = 0;
};

// A tag of the tag table after the head; `pushed` when the head ended early
// before it.
struct TagAfterHead {
    PageToken token;
    const TagRow *row;
    bool pushed;
};

// What the rules read of a page: the title, meta and link tags and the
// comments of its head as browsers build it (up to `headEnd`), and the tags
// of the tag table after it, those before `writtenEnd`, where the page's own
// head ends, pushed out of the head; and its scripts.
struct PageTags {
    std::vector<PageToken> head;
    std::vector<TagAfterHead> afterHead;
    std::vector<PageToken> scripts; // all of the page's, outside templates
};

PageTags pageTags(QByteArrayView page, qsizetype headEnd, qsizetype writtenEnd) {
    PageTags tags;
    SvgDepth svg(page);
    scanOutsideTemplates(page, [&](const PageToken &token) {
        const bool comment = token.kind == PageToken::Kind::Comment;
        const bool start = token.kind == PageToken::Kind::StartTag;
        if (start && token.tag == TagName::RawText && nameIs(page, token.name, L("script"))) {
            tags.scripts.push_back(token);
            return true;
        }
        const bool wanted = start && (token.tag == TagName::Title || token.tag == TagName::Meta ||
                                      token.tag == TagName::Link);
        if (token.whole.start < headEnd) {
            if (wanted || comment || (start && token.tag == TagName::Html))
                tags.head.push_back(token);
        } else if (const TagRow *row = wanted ? rowOfTag(page, token) : nullptr) {
            if (token.tag != TagName::Title || !svg.inside(token.whole.start))
                tags.afterHead.push_back({token, row, token.whole.start < writtenEnd});
        }
        return true;
    });
    return tags;
}

bool hasByteOrderMark(QByteArrayView page) {
    return page.startsWith(kUtf8Mark);
}

// The charset a browser reads the page in: its byte order mark, else the first
// declaration it knows, in the head or pushed out of it (browsers look for it
// in the bytes, wherever the tree puts it).
QByteArray pageCharset(QByteArrayView page, const PageTags &tags) {
    if (hasByteOrderMark(page))
        return "UTF-8";
    const auto known = [&](const PageToken &token) {
        QByteArray charset = declaredCharset(page, token).toByteArray();
        return !charset.isEmpty() && PageDecoder(charset).isKnown() ? charset : QByteArray();
    };
    for (const PageToken &token : tags.head)
        if (QByteArray charset = known(token); !charset.isEmpty())
            return charset;
    for (const TagAfterHead &tag : tags.afterHead)
        if (QByteArray charset = tag.pushed ? known(tag.token) : QByteArray(); !charset.isEmpty())
            return charset;
    return page.isValidUtf8() ? "UTF-8" : "windows-1252";
}

// A meta tag's keys and content, read once for every unit.
MetaTag metaTag(CheckedPage &page, const PageToken &token) {
    MetaTag meta{token, {}, {}};
    for (const L attribute : {L("name"), L("http-equiv"), L("property")}) {
        if (const Attribute *key = findAttribute(page.bytes(), token, attribute)) {
            const QString written = page.text(key->value);
            if (!written.isEmpty()) {
                TagKind kind = kindOfKey(attribute, written);
                meta.keys.push_back({attribute, asciiLower(written), written, std::move(kind)});
            }
        }
    }
    if (!meta.keys.empty())
        if (const Attribute *content = findAttribute(page.bytes(), token, L("content")))
            meta.content = page.text(content->value);
    return meta;
}

// Each unit that the rule table names, once.
std::vector<std::unique_ptr<RuleUnit>> units(CheckedPage &page) {
    std::vector<UnitMaker> makers;
    std::vector<std::unique_ptr<RuleUnit>> made;
    for (const RuleEntry &entry : checkRules()) {
        if (entry.unit && std::find(makers.begin(), makers.end(), entry.unit) == makers.end()) {
            makers.push_back(entry.unit);
            made.push_back(entry.unit(page));
        }
    }
    return made;
}

void readHead(CheckedPage &page, const PageTags &tags) {
    const std::vector<std::unique_ptr<RuleUnit>> all = units(page);
    for (const PageToken &token : tags.head) {
        if (token.kind == PageToken::Kind::Comment) {
            for (const auto &unit : all)
                unit->onComment(token);
        } else if (token.tag == TagName::Html) {
            for (const auto &unit : all)
                unit->onHtml(token);
        } else if (token.tag == TagName::Title) {
            for (const auto &unit : all)
                unit->onTitle(token);
        } else if (token.tag == TagName::Meta) {
            const MetaTag meta = metaTag(page, token);
            for (const auto &unit : all)
                unit->onMeta(meta);
        } else {
            for (const auto &unit : all)
                unit->onLink(token);
        }
    }
    for (const TagAfterHead &tag : tags.afterHead)
        for (const auto &unit : all)
            unit->onTagAfterHead(tag.token, *tag.row, tag.pushed);
    for (const auto &unit : all)
        unit->onHeadEnd();
    for (const PageToken &script : tags.scripts)
        for (const auto &unit : all)
            unit->onScript(script);
}

// The findings in page order (and at one place in the order of the rules),
// with their lines and columns.
std::vector<Finding> located(QByteArrayView page, PageDecoder &decoder, std::vector<Found> &found) {
    std::stable_sort(found.begin(), found.end(), [](const Found &a, const Found &b) {
        return std::pair(a.offset, a.rule) < std::pair(b.offset, b.rule);
    });
    const qsizetype start = hasByteOrderMark(page) ? kUtf8Mark.size() : 0;
    std::vector<qsizetype> offsets;
    for (const Found &finding : found)
        offsets.push_back(std::max(finding.offset, start));
    const std::vector<LineColumn> places = linesAndColumns(page, start, decoder, offsets);
    std::vector<Finding> findings;
    findings.reserve(found.size());
    for (size_t i = 0; i < found.size(); ++i)
        findings.push_back({places[i].line, places[i].column, found[i].rule,
                            std::move(found[i].arguments), found[i].which});
    return findings;
}

// "%1" to "%99" replaced in one pass, so that an argument holding "%2" stays
// as it is; a number past the arguments stays too.
QString withArguments(const QString &pattern, const QStringList &arguments) {
    QString text;
    text.reserve(pattern.size());
    for (qsizetype at = 0; at < pattern.size(); ++at) {
        const auto digit = [&](qsizetype i) {
            return i < pattern.size() && pattern[i] >= u'0' && pattern[i] <= u'9'
                       ? pattern[i].unicode() - u'0'
                       : -1;
        };
        int number = pattern[at] == u'%' ? digit(at + 1) : -1;
        qsizetype length = 2;
        if (number > 0 && digit(at + 2) >= 0) {
            number = number * 10 + digit(at + 2);
            length = 3;
        }
        if (number > 0 && number <= arguments.size()) {
            text += arguments[number - 1];
            at += length - 1;
        } else {
            text += pattern[at];
        }
    }
    return text;
}

// The lines and columns of the places the site rules keep.
void locateFacts(QByteArrayView page, PageDecoder &decoder, SiteFacts &facts) {
    std::vector<SitePlace *> places{&facts.titleAt, &facts.descriptionAt, &facts.canonicalAt};
    for (auto &alternate : facts.alternates)
        places.push_back(&alternate.second);
    std::erase_if(places, [](const SitePlace *place) { return place->offset < 0; });
    std::sort(places.begin(), places.end(),
              [](const SitePlace *a, const SitePlace *b) { return a->offset < b->offset; });
    const qsizetype start = hasByteOrderMark(page) ? kUtf8Mark.size() : 0;
    std::vector<qsizetype> offsets;
    for (const SitePlace *place : places)
        offsets.push_back(std::max(place->offset, start));
    const std::vector<LineColumn> found = linesAndColumns(page, start, decoder, offsets);
    for (size_t i = 0; i < places.size(); ++i) {
        places[i]->line = qint32(found[i].line);
        places[i]->column = qint32(found[i].column);
    }
}

std::vector<Finding> check(QByteArrayView page, bool fromText, SitePage *site = nullptr) {
    std::vector<Found> found;
    const PageHead head = findHead(page);
    if (!head.found())
        found.push_back({0, Rule::HeadImplied, {}});
    const qsizetype writtenEnd = writtenHeadEnd(page, head);
    const HeadBreak headBreak = findHeadBreak(page, writtenEnd);
    const PageTags tags = pageTags(page, headBreak.found() ? headBreak.at : writtenEnd, writtenEnd);
    PageDecoder decoder(fromText ? QByteArray("UTF-8") : pageCharset(page, tags));
    CheckedPage checked(page, decoder, std::max<qsizetype>(head.tag.start, 0), headBreak, !fromText,
                        found, site);
    readHead(checked, tags);
    if (site)
        locateFacts(page, decoder, site->facts);
    return located(page, decoder, found);
}

} // namespace

Severity Finding::severity() const {
    return which == RuleCase::None ? ruleEntry(rule).severity : ruleCaseEntry(which).severity;
}

const char *Finding::pattern() const {
    const char *own = which == RuleCase::None ? nullptr : ruleCaseEntry(which).message;
    return own ? own : ruleEntry(rule).message;
}

QString Finding::message() const {
    return withArguments(QString::fromUtf8(pattern()), arguments);
}

QString Finding::translatedMessage() const {
    return withArguments(QCoreApplication::translate(kContext, pattern()), arguments);
}

std::vector<Finding> checkPage(QByteArrayView page) {
    return check(page, false);
}

std::vector<Finding> checkText(QStringView text) {
    return check(text.toUtf8(), true);
}

std::vector<Finding> checkSitePage(QByteArrayView page, SitePage &site) {
    return check(page, false, &site);
}

} // namespace velko
