#include "check/PageChecker.h"
#include "check/PagePlaces.h"
#include "page/HeadBreak.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace velko;

namespace {

using L = QLatin1StringView;

// A head that breaks no rule.
const QByteArray kGoodHead =
    "<meta charset=\"utf-8\">\n"
    "<title>Harbour boats for hire</title>\n"
    "<meta name=\"description\" content=\"Sailing boats, rowing boats and motor boats to hire by "
    "the day or the week.\">\n"
    "<meta name=\"viewport\" content=\"width=device-width\">\n"
    "<link rel=\"icon\" href=\"/boat.png\">\n";

QByteArray page(const QByteArray &head, const QByteArray &body = {}) {
    return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n" + head + "</head>\n<body>\n" + body +
           "</body>\n</html>\n";
}

QByteArray meta(const QByteArray &key, const QByteArray &content) {
    return "<meta " + key + " content=\"" + content + "\">";
}

QStringList ruleIds(const std::vector<Finding> &findings) {
    QStringList ids;
    for (const Finding &finding : findings)
        ids << ruleEntry(finding.rule).id;
    return ids;
}

// A page that breaks a rule, or one that comes close but does not; a finding
// of the rule then starts with `detail` ("note: A second ..."), when given.
struct Case {
    Rule rule;
    const char *name;
    QByteArray page;
    bool found;
    QString detail = {};
};

std::vector<Case> cases() {
    using enum Rule;
    const QByteArray good = page(kGoodHead);
    const QByteArray title = "<title>Harbour boats for hire</title>";
    const QByteArray bare = page(title);
    const QByteArray openGraph = meta("property=og:title", "Boats") +
                                 meta("property=og:type", "website") +
                                 meta("property=og:url", "https://a.example/");
    const QByteArray canonical = "<link rel=canonical href=\"https://a.example/\">";
    return {
        {HeadImplied, "none", "<title>Boats</title>", true},
        {HeadImplied, "empty head", "<head></head>", false},
        {TitleMissing, "implied head, title in the body", "<body><title>x</title>", false},
        {LangMissing, "none", "<html><head></head>", true},
        {LangMissing, "lang", bare, false},
        {HreflangInvalid, "a word", page("<link rel=alternate hreflang=english href=/en>"), true},
        {HreflangInvalid, "script and region",
         page("<link rel=alternate hreflang=zh-Hant-TW href=/tw>"), false},
        {TitleMissing, "svg title in the body", page("", "<svg><title>x</title></svg>"), true},
        {TitleMissing, "title before the head tag", "<title>Boats</title><head></head>", false},
        {TitleEmpty, "blanks", page("<title> \n </title>"), true},
        {TitleEmpty, "a reference", page("<title>&amp;</title>"), false},
        {TitleDuplicate, "two", page(title + "<title>Boats</title>"), true},
        {TitleDuplicate, "one in a comment", page(title + "<!--<title>x</title>-->"), false},
        {TitleTooLong, "50 W", page("<title>" + QByteArray(50, 'W') + "</title>"), true},
        {TitleTooLong, "100 i as references",
         page("<title>" + QByteArray("&#105;").repeated(100) + "</title>"), false},
        {DescriptionMissing, "none", bare, true},
        {DescriptionMissing, "empty", page(meta("name=description", "")), false},
        {DescriptionTooLong, "80 W", page(meta("name=\"description\"", QByteArray(80, 'W'))), true},
        {DescriptionTooLong, "65 W", page(meta("name=description", QByteArray(65, 'W'))), false},
        {DescriptionTooShort, "6 characters", page(meta("name=description", "Boats.")), true},
        {DescriptionTooShort, "empty", page(meta("name=description", " ")), false},
        {MetaDuplicate, "keywords twice",
         page(meta("name=keywords", "a") + meta("NAME=\" Keywords\"", "b")), true},
        {MetaDuplicate, "og:image and article:tag twice",
         page(meta("property=og:image", "https://a.example/1.png") +
              meta("property=og:image", "https://a.example/2.png") +
              meta("property=og:image:width", "1") + meta("property=og:image:width", "2") +
              meta("property=article:tag", "a") + meta("property=article:tag", "b")),
         false},
        {CharsetMissing, "none", bare, true},
        {CharsetMissing, "content-type",
         page(meta("http-equiv=Content-Type", "text/html; charset=UTF-8")), false},
        {CharsetLate, "after 1,100 bytes",
         page("<!--" + QByteArray(1100, '-') + "-->\n<meta charset=utf-8>"), true},
        {CharsetLate, "after 900 bytes",
         page("<!--" + QByteArray(900, '-') + "-->\n<meta charset=utf-8>"), false},
        {CharsetConflict, "utf-8 and iso-8859-1",
         page("<meta charset=utf-8>" +
              meta("http-equiv=content-type", "text/html;charset=iso-8859-1")),
         true},
        {CharsetConflict, "utf-8 and UTF8", page("<meta charset=utf-8><meta charset='UTF8'>"),
         false},
        {CharsetMismatch, "utf-8 with a Latin-1 byte", page("<meta charset=utf-8>\xe9"), true},
        {CharsetMismatch, "euc-jp with a bad pair", page("<meta charset=euc-jp>\xe9z"), true},
        {CharsetMismatch, "windows-1252", page("<meta charset=windows-1252>\xe9"), false},
        {ViewportMissing, "none", bare, true},
        {ViewportMissing, "a viewport", good, false},
        {RefreshRedirect, "to an address",
         page(meta("http-equiv=refresh", "0; URL='https://a.example/'")), true},
        {RefreshRedirect, "reload", page(meta("http-equiv=refresh", "30")), false},
        {RobotsNoindex, "noindex", page(meta("name=robots", "NoIndex, follow")), true},
        {RobotsNoindex, "index", page(meta("name=robots", "index, follow")), false},
        {RobotsNoindex, "googlebot", page(meta("name=GoogleBot", "noindex")), true,
         "note: GoogleBot \"noindex\" keeps the page out of that search engine's results."},
        {RobotsNoindex, "noindex for a crawler Velko does not know",
         page(meta("name=slurp", "noindex")), false},
        {RobotsUnknown, "blank-separated", page(meta("name=robots", "noindex nofollow")), true},
        {RobotsUnknown, "bingbot, no directives", page(meta("name=bingbot", "noopd, archive")),
         true},
        {RobotsUnknown, "googlebot, Bing's nocache", page(meta("name=googlebot", "nocache")),
         false},
        {RobotsUnknown, "with values",
         page(meta("name=robots", "max-snippet:50, max-image-preview:large, max-video-preview:-1, "
                                  "unavailable_after: 2030-01-01,")),
         false},
        {CanonicalRelative, "a path", page("<link rel=canonical href=\"/boats\">"), true},
        {CanonicalRelative, "absolute",
         page("<link rel=\"Canonical\" href=\"https://a.example/boats\">"), false},
        {CanonicalDuplicate, "two addresses",
         page(canonical + "<link rel=canonical href=\"https://a.example/b\">"), true, "error: "},
        {CanonicalDuplicate, "one address twice",
         page(canonical + "<link rel=canonical href=\" https://A.example/\">"), true,
         "note: A second canonical link to the same address"},
        {CanonicalDuplicate, "one and an alternate",
         page(canonical + "<link rel=alternate href=\"https://a.example/\">"), false},
        {OgIncomplete, "no og:image", page(openGraph), true},
        {OgIncomplete, "all four",
         page(openGraph + meta("property=og:image", "https://a.example/b.png")), false},
        {OgImageRelative, "a path", page(meta("property=og:image", "/b.png")), true},
        {OgImageRelative, "absolute", page(meta("property=og:image", "http://a.example/b")), false},
        {ContentEmpty, "blank", page(meta("name=keywords", " \t")), true},
        {ContentEmpty, "meta charset", page("<meta charset=utf-8>"), false},
        {ContentEmpty, "value=", page("<meta value=summary name=twitter:card>"), true,
         "warning: twitter:card has its value in value=, which only some readers take; use "
         "content="},
        {ContentEmpty, "content= and value=",
         page("<meta name=twitter:card content=summary value=summary>"), false},
        {DcDateFormat, "day first", page(meta("name=DC.Date", "31.05.2024")), true},
        {DcDateFormat, "February 30", page(meta("name=dc.date", "2024-02-30")), true},
        {DcDateFormat, "with a time", page(meta("name=DC.Date", "2024-05-31T10:30:05.5+02:00")),
         false},
        {ExpiresFormat, "-1", page(meta("http-equiv=expires", "-1")), true},
        {ExpiresFormat, "an HTTP date",
         page(meta("http-equiv=Expires", "Sun, 06 Nov 1994 08:49:37 GMT")), false},
        {ExpiresFormat, "0", page(meta("http-equiv=expires", "0")), false},
        {HeadEndedEarly, "a div before the description",
         page("<title>Boats</title><div></div>" + meta("name=description", "Boats for hire.")),
         true},
        {HeadEndedEarly, "a noscript pixel, and a div after the head's tags",
         page(kGoodHead + "<noscript><img src=p.gif></noscript><div></div>"), false},
        {TagAfterHead, "canonical link in the body", page(kGoodHead, canonical), true},
        {TagAfterHead, "svg title and microdata in the body",
         page(kGoodHead, "<svg><title>Icon</title></svg>" + meta("itemprop=name", "a")), false},
        {ViewportNoZoom, "user-scalable=0",
         page(meta("name=viewport", "width=device-width, user-scalable=0")), true},
        {ViewportNoZoom, "maximum-scale 1.5, with blanks",
         page(meta("name=viewport", "width=device-width; maximum-scale = 1.5")), true},
        {ViewportNoZoom, "the last tag lets them zoom",
         page(meta("name=viewport", "user-scalable=no") +
              meta("name=viewport", "maximum-scale=5 user-scalable=yes")),
         false},
        {DoctypeMissing, "a warning printed first", "Warning: x<br>\n" + good, true},
        {DoctypeMissing, "another name", "<!DOCTYPE htmlx>" + good.sliced(15), true},
        {DoctypeMissing, "a mark, an XML declaration and a comment first",
         "\xef\xbb\xbf<?xml version=\"1.0\"?>\n<!-- a -->\n<!doctype HTML>" + good.sliced(15),
         false},
        {IconMissing, "none", bare, true},
        {IconMissing, "a shortcut icon", page("<link rel=\"Shortcut Icon\" href=/b.ico>"), false},
        {JsonLdInvalid, "a comma too many, in the body",
         page("", "<script type=application/ld+json>{\"a\": 1,}</script>"), true},
        {JsonLdInvalid, "JSON, another script, a template",
         page("<script type=' Application/LD+JSON '>[{\"a\": \"</b>\"}]</script>",
              "<script>{x}</script><template><script type=application/ld+json>{</script>"
              "</template>"),
         false},
        {HreflangRelative, "a path", page("<link rel=alternate hreflang=de href=/de>"), true},
        {HreflangRelative, "absolute",
         page("<link rel=alternate hreflang=de href=\"HTTPS://a.example/de\">"), false},
    };
}

} // namespace

class TestPageChecker : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rules_data();
    void rules();
    void places_data();
    void places();
    void findingsInPageOrder();
    void headsEndedEarly_data();
    void headsEndedEarly();
    void severities_data();
    void severities();
};

// Every rule of the table with a page that breaks it and one that does not; a
// rule that lacks either fails. findingsInPageOrder checks that the good page
// breaks none.
void TestPageChecker::rules_data() {
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("detail");

    const std::vector<Case> all = cases();
    for (const RuleEntry &entry : checkRules()) {
        const QString id = entry.id;
        bool breaks = false;
        bool keeps = false;
        for (const Case &c : all) {
            if (c.rule != entry.rule)
                continue;
            QTest::addRow("%s: %s", qPrintable(id), c.name) << id << c.page << c.found << c.detail;
            (c.found ? breaks : keeps) = true;
        }
        // The rules that need the page's site are judged on sites, in
        // test_site_check.
        using enum Rule;
        if ((!entry.unit && entry.rule != HeadImplied) || entry.rule == HreflangSelfMissing ||
            entry.rule == CanonicalNoindex || entry.rule == CanonicalTargetMissing ||
            entry.rule == OgImageMissing || entry.rule == CanonicalRoot)
            continue;
        if (!breaks || !keeps)
            QTest::addRow("%s: lacks a page", qPrintable(id))
                << id << QByteArray() << breaks << QString();
    }
}

void TestPageChecker::rules() {
    QFETCH(QString, rule);
    QFETCH(QByteArray, page);
    QFETCH(bool, found);
    QFETCH(QString, detail);
    QVERIFY2(!page.isNull(), "each rule needs a page that breaks it and one that does not");
    const std::vector<Finding> findings = checkPage(page);
    const QStringList ids = ruleIds(findings);
    QVERIFY2(ids.contains(rule) == found, qPrintable(ids.join(' ')));
    QStringList details;
    for (const Finding &finding : findings)
        if (ruleEntry(finding.rule).id == rule)
            details << severityName(finding.severity()) + QStringLiteral(": ") + finding.message();
    QVERIFY2(detail.isEmpty() ||
                 std::all_of(details.begin(), details.end(),
                             [&](const QString &d) { return d.startsWith(detail); }),
             qPrintable(details.join('\n')));
}

// Lines end at CR LF, a lone CR or a lone LF; columns count the characters of
// the line in the page's charset.
void TestPageChecker::places_data() {
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<bool>("asText"); // the page is UTF-8 text, as the window checks it
    QTest::addColumn<QString>("rule");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");

    const QByteArray tail = "<title></title>";
    QTest::newRow("LF") << "<html>\n<head>\n  " + tail << false << "title-empty" << 3 << 3;
    QTest::newRow("CR LF") << "<html>\r\n<head>\r\n  " + tail << false << "title-empty" << 3 << 3;
    QTest::newRow("CR") << "<html>\r<head>\r\r  " + tail << false << "title-empty" << 4 << 3;
    QTest::newRow("UTF-8") << "<head>\n<!-- \xc3\xa9\xe2\x82\xac\xf0\x9d\x84\x9e -->" + tail
                           << false << "title-empty" << 2 << 13;
    QTest::newRow("windows-1252") << "<head><meta charset=windows-1252>\n<!-- \xe9\x80 -->" + tail
                                  << false << "title-empty" << 2 << 12;
    QTest::newRow("Shift_JIS") << "<head><meta charset=shift_jis>\n<!--\x82\xa0\x82\xa0-->" + tail
                               << false << "title-empty" << 2 << 10;
    QTest::newRow("byte-order mark")
        << "\xef\xbb\xbf<head>" + tail << false << "title-empty" << 1 << 7;
    QTest::newRow("no head") << QByteArray() << false << "head-implied" << 1 << 1;
    QTest::newRow("JSON-LD, at its fault")
        << QByteArray("<head><script type=application/ld+json>\n{\"a\": [1 2]}</script>") << false
        << "json-ld-invalid" << 2 << 11;
    QTest::newRow("text, declaring windows-1252")
        << "<head><meta charset=windows-1252>\r\n<!-- \xc3\xa9 -->" + tail << true << "title-empty"
        << 2 << 11;
    QTest::newRow("text, past the head")
        << QByteArray("<head></head>\r\n\xf0\x9d\x84\x9e<title>x</title>") << true
        << "tag-after-head" << 2 << 2;
}

void TestPageChecker::places() {
    QFETCH(QByteArray, page);
    QFETCH(bool, asText);
    QFETCH(QString, rule);
    QFETCH(int, line);
    QFETCH(int, column);
    const QString text = QString::fromUtf8(page);
    const std::vector<Finding> findings = asText ? checkText(text) : checkPage(page);
    const auto found = std::find_if(findings.begin(), findings.end(),
                                    [&](const Finding &f) { return ruleEntry(f.rule).id == rule; });
    QVERIFY2(found != findings.end(), qPrintable(ruleIds(findings).join(' ')));
    QCOMPARE(found->line, line);
    QCOMPARE(found->column, column);
    QVERIFY(!ruleIds(findings).contains("charset-mismatch"));
    if (asText)
        QVERIFY(text.sliced(textOffset(text, line, column)).startsWith("<title>"));
}

void TestPageChecker::findingsInPageOrder() {
    QCOMPARE(ruleIds(checkPage(page(kGoodHead))), QStringList());
    const std::vector<Finding> findings =
        checkPage(page(meta("name=keywords", ""), "<title>x</title>\n" + meta("name=robots", "")));
    QCOMPARE(ruleIds(findings),
             QStringList({"description-missing", "charset-missing", "viewport-missing",
                          "icon-missing", "content-empty", "tag-after-head", "tag-after-head"}));
    QCOMPARE(findings.back().message(), "<meta name=\"robots\"> is after the head; it belongs in "
                                        "the head.");
    for (size_t i = 1; i < findings.size(); ++i)
        QVERIFY(std::pair(findings[i - 1].line, findings[i - 1].column) <=
                std::pair(findings[i].line, findings[i].column));
    // The arguments go in at once: a value holding "%1" stays as it is.
    QCOMPARE(
        checkPage(page(kGoodHead + meta("name=%1", "a") + meta("name=%1", "b"))).back().message(),
        "A second meta tag with name=\"%1\".");
}

// The head as browsers build it: each row names the title, meta and link
// tags a browser keeps in the head (bench/check_head_breaks.py checks the
// table against html5lib and Chromium).
void TestPageChecker::headsEndedEarly_data() {
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QStringList>("head");
    QFile file(QStringLiteral(VELKO_TEST_DATA "/heads_ended_early.json"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    for (const QJsonValue row : QJsonDocument::fromJson(file.readAll()).array()) {
        QStringList head;
        for (const QJsonValue tag : row["head"].toArray())
            head << tag.toString();
        QTest::addRow("%s", qPrintable(row["name"].toString()))
            << row["page"].toString().toUtf8() << head;
    }
}

void TestPageChecker::headsEndedEarly() {
    QFETCH(QByteArray, page);
    QFETCH(QStringList, head);
    const qsizetype written = writtenHeadEnd(page, findHead(QByteArrayView(page)));
    const HeadBreak end = findHeadBreak(page, written);
    QStringList kept;
    qsizetype tags = 0; // in the head as written
    scanOutsideTemplates(QByteArrayView(page), [&](const PageToken &token) {
        if (token.whole.start >= written)
            return false;
        if (token.kind == PageToken::Kind::StartTag &&
            (token.tag == TagName::Title || token.tag == TagName::Meta ||
             token.tag == TagName::Link))
            ++tags;
        if (end.found() && token.whole.start >= end.at)
            return true;
        const auto value = [&](const char *name) {
            const Attribute *attribute = findAttribute(QByteArrayView(page), token, L(name));
            return attribute ? QString::fromUtf8(sliceOf(QByteArrayView(page), attribute->value))
                             : QString();
        };
        if (token.kind != PageToken::Kind::StartTag)
            return true;
        if (token.tag == TagName::Title)
            kept << "title";
        else if (token.tag == TagName::Link)
            kept << "link:" + value("rel");
        else if (token.tag == TagName::Meta)
            kept << "meta:" + (findAttribute(QByteArrayView(page), token, L("charset"))
                                   ? QStringLiteral("charset")
                                   : value("name") + value("property") + value("http-equiv"));
        return true;
    });
    QCOMPARE(kept, head);
    const bool pushes = ruleIds(checkPage(page)).contains("head-ended-early");
    QCOMPARE(pushes, kept.size() < tags);
}

// Rules whose findings are graver or lighter by what they find.
void TestPageChecker::severities_data() {
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("severity");
    const QByteArray late = "<!--" + QByteArray(1100, '-') + "-->";
    QTest::newRow("charset late after ASCII")
        << page(late + "<meta charset=utf-8>") << "charset-late"
        << "warning";
    QTest::newRow("charset late after UTF-8 it would change")
        << page("<title>Caf\xc3\xa9</title>" + late + "<meta charset=utf-8>") << "charset-late"
        << "error";
    QTest::newRow("charset late after bytes windows-1252 reads alike")
        << page("<title>Caf\xe9</title>" + late + "<meta charset=iso-8859-1>") << "charset-late"
        << "warning";
    QTest::newRow("charset late, pushed into the body")
        << page("<div></div>" + late + "<meta charset=utf-8><title>Boats</title>") << "charset-late"
        << "error";
    QTest::newRow("head ended by text")
        << page("Warning: x<title>Boats</title>") << "head-ended-early"
        << "error";
    QTest::newRow("head ended by bytes that start no character")
        << page("\xa0\xa0<title>Boats</title>") << "head-ended-early"
        << "error";
}

void TestPageChecker::severities() {
    QFETCH(QByteArray, page);
    QFETCH(QString, rule);
    QFETCH(QString, severity);
    const std::vector<Finding> findings = checkPage(page);
    const auto found = std::find_if(findings.begin(), findings.end(),
                                    [&](const Finding &f) { return ruleEntry(f.rule).id == rule; });
    QVERIFY2(found != findings.end(), qPrintable(ruleIds(findings).join(' ')));
    QCOMPARE(severityName(found->severity()), severity);
}

QTEST_APPLESS_MAIN(TestPageChecker)
#include "test_page_checker.moc"
