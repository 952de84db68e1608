#include "check/PageChecker.h"

#include "base/ByteOrderMarks.h"
#include "check/PageEncoding.h"
#include "check/PagePlaces.h"
#include "check/ValueFormats.h"
#include "page/PageHead.h"
#include "tags/TagMatch.h"
#include "text/DisplayText.h"
#include "text/TextWidth.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <optional>
#include <set>

namespace velko {

namespace {

using L = QLatin1StringView;

constexpr const char *kContext = "velko::PageChecker";
constexpr double kTitleWidth = 600;       // px at titlePixelSize
constexpr double kDescriptionWidth = 920; // px at descriptionPixelSize
constexpr qsizetype kShortDescription = 50;
constexpr qsizetype kCharsetWindow = 1024; // where browsers look for the charset
constexpr qsizetype kShownLength = 60;

// A finding before its place is known as a line and column.
struct Found {
    qsizetype offset;
    Rule rule;
    QStringList arguments;
};

// A value of the page as a message shows it: on one line, cut when long.
QString shown(QStringView value) {
    QString line = value.toString();
    for (QChar &c : line)
        if (c.category() == QChar::Other_Control)
            c = u' ';
    line = line.simplified();
    if (line.size() > kShownLength) {
        qsizetype keep = kShownLength - 1;
        if (line[keep - 1].isHighSurrogate())
            --keep;
        line = line.first(keep) + u'…';
    }
    return line;
}

QString asciiLower(QStringView text) {
    QString lower = text.toString();
    for (QChar &c : lower)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    return lower;
}

// The meta tags a page may give more than once: Open Graph's lists.
bool mayRepeat(QStringView key) {
    return key == u"og:image" || key.startsWith(u"og:image:") || key == u"og:locale:alternate" ||
           key == u"article:tag";
}

// True when the space-separated list in `value` holds `word`, in any ASCII
// case (rel="canonical", rel="Canonical alternate").
bool listHolds(QByteArrayView page, Span value, QLatin1StringView word) {
    const qsizetype end = value.end();
    for (qsizetype at = value.start; at < end;) {
        while (at < end && isHtmlSpace(unitAt(page, at)))
            ++at;
        const qsizetype start = at;
        while (at < end && !isHtmlSpace(unitAt(page, at)))
            ++at;
        if (at > start && nameIs(page, {start, at - start}, word))
            return true;
    }
    return false;
}

// Answers, for offsets asked in page order, whether they lie inside an <svg>
// element: the titles of SVG images are no page titles.
class SvgTracker {
public:
    bool inside(QByteArrayView page, qsizetype at) {
        while (m_scanned < at) {
            const qsizetype open = indexOfUnit(page, '<', m_scanned);
            if (open < 0 || open >= at)
                break;
            const bool endTag = open + 1 < page.size() && page[open + 1] == '/';
            const qsizetype name = open + (endTag ? 2 : 1);
            if (wordAt(page, name, L("svg")) && scanning::nameEnd(page, name) == name + 3)
                m_depth = endTag ? std::max(0, m_depth - 1) : m_depth + 1;
            m_scanned = open + 1;
        }
        m_scanned = std::max(m_scanned, at);
        return m_depth > 0;
    }

private:
    qsizetype m_scanned = 0;
    int m_depth = 0;
};

QString tagLabel(const TagRow &row) {
    switch (row.element) {
    case Element::Title:
        return QStringLiteral("<title>");
    case Element::Link:
    case Element::Meta:
        return QStringLiteral("<%1 %2=\"%3\">")
            .arg(row.element == Element::Link ? L("link") : L("meta"), row.keyAttribute,
                 row.keyValue);
    case Element::Comment:
        break;
    }
    return {};
}

// The title, meta and link tags of the head, in page order; the table's tags
// after it are reported there and then.
std::vector<PageToken> headTags(QByteArrayView page, qsizetype headEnd, std::vector<Found> &found) {
    std::vector<PageToken> tags;
    SvgTracker svg;
    scanPage(page, [&](const PageToken &token) {
        const bool wanted =
            token.tag == TagName::Title || token.tag == TagName::Meta || token.tag == TagName::Link;
        if (token.kind != PageToken::Kind::StartTag || !wanted)
            return true;
        if (token.whole.start < headEnd) {
            tags.push_back(token);
            return true;
        }
        const TagRow *row = rowOfTag(page, token);
        if (row && !(token.tag == TagName::Title && svg.inside(page, token.whole.start)))
            found.push_back({token.whole.start, Rule::TagAfterHead, {tagLabel(*row)}});
        return true;
    });
    return tags;
}

bool hasByteOrderMark(QByteArrayView page) {
    return page.startsWith(kUtf8Mark);
}

// The charset a browser reads the page in.
QByteArray pageCharset(QByteArrayView page, const std::vector<PageToken> &tags) {
    if (hasByteOrderMark(page))
        return "UTF-8";
    for (const PageToken &token : tags) {
        const QByteArray charset = declaredCharset(page, token).toByteArray();
        if (!charset.isEmpty() && PageDecoder(charset).isKnown())
            return charset;
    }
    return page.isValidUtf8() ? "UTF-8" : "windows-1252";
}

struct MetaKey {
    QLatin1StringView attribute; // "name", "http-equiv" or "property"
    QString value;               // ASCII lower case, for comparing
    QString written;             // as the page writes it, for messages
};

struct Declaration {
    Span tag;
    QByteArray charset;
};

// The rules about the head's tags, one tag at a time and then the whole.
class HeadCheck {
public:
    HeadCheck(QByteArrayView page, PageDecoder &decoder, std::vector<Found> &found)
        : m_page(page)
        , m_decoder(decoder)
        , m_found(found) {}

    void run(const std::vector<PageToken> &tags, qsizetype headTag, bool checkBytes) {
        for (const PageToken &token : tags) {
            if (token.tag == TagName::Title)
                title(token);
            else if (token.tag == TagName::Meta)
                meta(token);
            else
                link(token);
        }
        wholeHead(headTag);
        charsets(headTag, checkBytes);
    }

private:
    void add(qsizetype at, Rule rule, QStringList arguments = {}) {
        m_found.push_back({at, rule, std::move(arguments)});
    }
    QString text(Span span, ReferencePlace place = ReferencePlace::AttributeValue) {
        return displayText(m_decoder.decode(sliceOf(m_page, span)), place);
    }

    void title(const PageToken &token) {
        const qsizetype at = token.whole.start;
        if (++m_titles > 1) {
            add(at, Rule::TitleDuplicate);
            return;
        }
        const QString shownTitle = text(token.text, ReferencePlace::Text);
        if (shownTitle.isEmpty()) {
            add(at, Rule::TitleEmpty);
            return;
        }
        const double width = textWidth(shownTitle, titlePixelSize);
        if (width > kTitleWidth)
            add(at, Rule::TitleTooLong, {QString::number(qint64(std::ceil(width)))});
    }

    void meta(const PageToken &token) {
        const qsizetype at = token.whole.start;
        if (QByteArray charset = declaredCharset(m_page, token).toByteArray(); !charset.isEmpty())
            m_declarations.push_back({token.whole, charset});
        std::vector<MetaKey> keys;
        for (const QLatin1StringView attribute : {L("name"), L("http-equiv"), L("property")}) {
            if (const Attribute *key = findAttribute(m_page, token, attribute)) {
                const QString written = text(key->value);
                if (!written.isEmpty())
                    keys.push_back({attribute, asciiLower(written), written});
            }
        }
        if (keys.empty())
            return;
        const Attribute *contentAttribute = findAttribute(m_page, token, L("content"));
        const QString content = contentAttribute ? text(contentAttribute->value) : QString();
        for (const MetaKey &key : keys) {
            if (!mayRepeat(key.value) &&
                !m_metaKeys.insert(QString(key.attribute) + u'=' + key.value).second)
                add(at, Rule::MetaDuplicate, {key.attribute, shown(key.written)});
        }
        if (content.isEmpty())
            add(at, Rule::ContentEmpty, {keys.front().attribute, shown(keys.front().written)});
        for (const MetaKey &key : keys)
            metaValue(at, key, content);
    }

    void metaValue(qsizetype at, const MetaKey &key, const QString &content) {
        if (key.value.startsWith(u"og:")) {
            if (!m_firstOpenGraph)
                m_firstOpenGraph = at;
            m_openGraph.insert(key.value);
            if (key.value == u"og:image" && !content.isEmpty() && !isAbsoluteHttpAddress(content))
                add(at, Rule::OgImageRelative, {shown(content)});
        }
        const bool name = key.attribute == L("name");
        const bool httpEquiv = key.attribute == L("http-equiv");
        if (name && key.value == u"description") {
            if (!m_description)
                m_description = {at, content};
        } else if (name && key.value == u"viewport") {
            m_viewport = true;
        } else if (name && key.value == u"robots") {
            robots(at, content);
        } else if (name && key.value == u"dc.date") {
            if (!content.isEmpty() && !isW3cDate(content))
                add(at, Rule::DcDateFormat, {shown(content)});
        } else if (httpEquiv && key.value == u"refresh") {
            if (const QStringView address = refreshAddress(content); !address.isEmpty())
                add(at, Rule::RefreshRedirect, {shown(address)});
        } else if (httpEquiv && key.value == u"expires") {
            if (!content.isEmpty() && content != u"0" && !isHttpDate(content))
                add(at, Rule::ExpiresFormat, {shown(content)});
        }
    }

    void robots(qsizetype at, const QString &content) {
        bool keepsOut = false;
        for (QStringView token : QStringView(content).split(u',')) {
            token = token.trimmed();
            if (token.isEmpty())
                continue;
            const QString lower = asciiLower(token);
            keepsOut = keepsOut || lower == u"noindex" || lower == u"none";
            if (!isRobotsToken(token))
                add(at, Rule::RobotsUnknown, {shown(token)});
        }
        if (keepsOut)
            add(at, Rule::RobotsNoindex, {shown(content)});
    }

    void link(const PageToken &token) {
        const Attribute *rel = findAttribute(m_page, token, L("rel"));
        if (!rel || !listHolds(m_page, rel->value, L("canonical")))
            return;
        const qsizetype at = token.whole.start;
        if (++m_canonicals > 1)
            add(at, Rule::CanonicalDuplicate);
        const Attribute *href = findAttribute(m_page, token, L("href"));
        const QString address = href ? text(href->value) : QString();
        if (!isAbsoluteHttpAddress(address))
            add(at, Rule::CanonicalRelative, {shown(address)});
    }

    // What the head as a whole lacks, or has too much of.
    void wholeHead(qsizetype headTag) {
        if (m_titles == 0)
            add(headTag, Rule::TitleMissing);
        if (!m_description) {
            add(headTag, Rule::DescriptionMissing);
        } else if (const QString &content = m_description->second; !content.isEmpty()) {
            const TextExtent extent = textExtent(content, descriptionPixelSize);
            const double width = textWidth(content, descriptionPixelSize);
            if (width > kDescriptionWidth)
                add(m_description->first, Rule::DescriptionTooLong,
                    {QString::number(qint64(std::ceil(width)))});
            if (extent.characters < kShortDescription)
                add(m_description->first, Rule::DescriptionTooShort,
                    {QString::number(extent.characters)});
        }
        if (!m_viewport)
            add(headTag, Rule::ViewportMissing);
        if (m_firstOpenGraph) {
            QStringList lacking;
            for (const char16_t *required : {u"og:title", u"og:type", u"og:image", u"og:url"})
                if (!m_openGraph.count(QString::fromUtf16(required)))
                    lacking << QString::fromUtf16(required);
            if (!lacking.isEmpty())
                add(*m_firstOpenGraph, Rule::OgIncomplete, {lacking.join(QStringLiteral(", "))});
        }
    }

    void charsets(qsizetype headTag, bool checkBytes) {
        if (m_declarations.empty()) {
            add(headTag, Rule::CharsetMissing);
            return;
        }
        const Declaration &first = m_declarations.front();
        PageDecoder firstDecoder(first.charset);
        for (const Declaration &declaration : m_declarations) {
            if (declaration.tag.end() > kCharsetWindow)
                add(declaration.tag.start, Rule::CharsetLate);
            const PageDecoder decoder(declaration.charset);
            const bool same = decoder.isKnown() && firstDecoder.isKnown()
                                  ? decoder.name() == firstDecoder.name()
                                  : asciiLower(QString::fromLatin1(declaration.charset)) ==
                                        asciiLower(QString::fromLatin1(first.charset));
            if (!same)
                add(declaration.tag.start, Rule::CharsetConflict,
                    {shown(QString::fromLatin1(declaration.charset)),
                     shown(QString::fromLatin1(first.charset))});
        }
        if (checkBytes && firstDecoder.isKnown() && !firstDecoder.fits(m_page))
            add(first.tag.start, Rule::CharsetMismatch,
                {shown(QString::fromLatin1(first.charset))});
    }

    QByteArrayView m_page;
    PageDecoder &m_decoder;
    std::vector<Found> &m_found;
    int m_titles = 0;
    int m_canonicals = 0;
    bool m_viewport = false;
    std::optional<std::pair<qsizetype, QString>> m_description; // where, and its content
    std::optional<qsizetype> m_firstOpenGraph;
    std::set<QString> m_openGraph;
    std::set<QString> m_metaKeys; // "name=description"
    std::vector<Declaration> m_declarations;
};

// The findings in page order (and at one place in the order of the rules),
// with their lines and columns.
std::vector<Finding> located(QByteArrayView page, PageDecoder &decoder, std::vector<Found> &found) {
    std::stable_sort(found.begin(), found.end(), [](const Found &a, const Found &b) {
        return std::pair(a.offset, a.rule) < std::pair(b.offset, b.rule);
    });
    const qsizetype start = hasByteOrderMark(page) ? 3 : 0;
    std::vector<qsizetype> offsets;
    for (const Found &finding : found)
        offsets.push_back(std::max(finding.offset, start));
    const std::vector<LineColumn> places = linesAndColumns(page, start, decoder, offsets);
    std::vector<Finding> findings;
    findings.reserve(found.size());
    for (size_t i = 0; i < found.size(); ++i)
        findings.push_back(
            {places[i].line, places[i].column, found[i].rule, std::move(found[i].arguments)});
    return findings;
}

// All arguments at once, so that an argument holding "%2" stays as it is.
QString withArguments(const QString &pattern, const QStringList &arguments) {
    switch (arguments.size()) {
    case 0:
        return pattern;
    case 1:
        return pattern.arg(arguments[0]);
    default:
        return pattern.arg(arguments[0], arguments[1]);
    }
}

std::vector<Finding> check(QByteArrayView page, bool fromText) {
    std::vector<Found> found;
    const PageHead head = findHead(page);
    if (!head.found()) {
        found.push_back({0, Rule::HeadMissing, {}});
        PageDecoder decoder("UTF-8");
        return located(page, decoder, found);
    }
    const std::vector<PageToken> tags = headTags(page, head.end, found);
    PageDecoder decoder(fromText ? QByteArray("UTF-8") : pageCharset(page, tags));
    HeadCheck(page, decoder, found).run(tags, head.tag.start, !fromText);
    return located(page, decoder, found);
}

} // namespace

QString Finding::message() const {
    return withArguments(QString::fromUtf8(ruleEntry(rule).message), arguments);
}

QString Finding::translatedMessage() const {
    return withArguments(QCoreApplication::translate(kContext, ruleEntry(rule).message), arguments);
}

std::vector<Finding> checkPage(QByteArrayView page) {
    return check(page, false);
}

std::vector<Finding> checkText(QStringView text) {
    return check(text.toUtf8(), true);
}

} // namespace velko
