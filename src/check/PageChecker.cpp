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

// What the rules read of a page: the title, meta and link tags and the
// comments of its head, the tags of the tag table after it, and its scripts.
struct PageTags {
    std::vector<PageToken> head;
    std::vector<std::pair<PageToken, const TagRow *>> afterHead;
    std::vector<PageToken> scripts;
};

PageTags pageTags(QByteArrayView page, qsizetype headEnd) {
    PageTags tags;
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
            tags.afterHead.emplace_back(token, row);
        }
        return true;
    });
    return tags;
}

bool hasByteOrderMark(QByteArrayView page) {
    return page.startsWith(kUtf8Mark);
}

// The charset a browser reads the page in.
QByteArray pageCharset(QByteArrayView page, const std::vector<PageToken> &head) {
    if (hasByteOrderMark(page))
        return "UTF-8";
    for (const PageToken &token : head) {
        const QByteArray charset = declaredCharset(page, token).toByteArray();
        if (!charset.isEmpty() && PageDecoder(charset).isKnown())
            return charset;
    }
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
    for (const auto &unit : all)
        unit->onHeadEnd();
    for (const auto &[token, row] : tags.afterHead)
        for (const auto &unit : all)
            unit->onTagAfterHead(token, *row);
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

// Where a head left out ends: at the body tag or "</head>". The scanner
// skips the tags of the body's other elements, so a page with neither is head
// to its end.
qsizetype impliedHeadEnd(QByteArrayView page) {
    qsizetype end = page.size();
    scanPage(page, [&](const PageToken &token) {
        const bool start = token.kind == PageToken::Kind::StartTag;
        if ((start && token.tag == TagName::Body) || (!start && token.tag == TagName::Head)) {
            end = token.whole.start;
            return false;
        }
        return true;
    });
    return end;
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
    const qsizetype headEnd = head.found() ? head.end : impliedHeadEnd(page);
    const PageTags tags = pageTags(page, headEnd);
    PageDecoder decoder(fromText ? QByteArray("UTF-8") : pageCharset(page, tags.head));
    CheckedPage checked(page, decoder, std::max<qsizetype>(head.tag.start, 0), !fromText, found,
                        site);
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
