#include "check/SiteRun.h"
#include "files/SitePages.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace velko;

namespace {

// A file of a test site: a page's head lines (a whole page when it starts
// with "<html"), or any other file.
using Site = QList<std::pair<QString, QByteArray>>;

QByteArray pageBytes(const QByteArray &head) {
    if (head.startsWith("<html"))
        return head;
    return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n" + head + "\n</head>\n</html>\n";
}

bool isSiteRule(Rule rule) {
    using enum Rule;
    for (const Rule site :
         {HeadImplied, LangMissing, HreflangInvalid, HreflangSelfMissing, CanonicalNoindex,
          CanonicalTargetMissing, OgImageMissing, TitleShared, DescriptionShared,
          CanonicalTargetNoindex, HreflangReturnMissing, CanonicalRoot})
        if (rule == site)
            return true;
    return false;
}

QByteArray canonical(const char *address) {
    return QByteArray("<link rel=canonical href=\"") + address + "\">";
}

QByteArray alternate(const char *code, const char *address) {
    return QByteArray("<link rel=alternate hreflang=") + code + " href=\"" + address + "\">";
}

const QByteArray kNoindex = "<meta name=robots content=noindex>";

} // namespace

class TestSiteCheck : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void site_data();
    void site();
};

void TestSiteCheck::site_data() {
    QTest::addColumn<Site>("site");
    QTest::addColumn<QString>("siteUrl");
    QTest::addColumn<QStringList>("findings"); // "PAGE:LINE RULE ARGUMENTS"

    const QByteArray title = "<title>Boats  &amp; oars</title>";
    const QByteArray description = "<meta name=description content=\"Boats to hire.\">";
    QTest::newRow("shared title and description")
        << Site{{"a.html", title + "\n" + description},
                {"b.html", "<title>Boats &amp; oars</title>\n" + description},
                {"c.html", "<title>boats &amp; oars</title>"},
                {"d.html", title + "\n" + canonical("a.html")},
                {"e.html", title + "\n" + kNoindex}}
        << QString()
        << QStringList{"a.html:4 title-shared 1 b.html", "a.html:5 description-shared 1 b.html",
                       "b.html:4 title-shared 1 a.html", "b.html:5 description-shared 1 a.html"};
    QTest::newRow("canonicals")
        << Site{{"a.html", canonical("https://example.org/gone.html")},
                {"b.html", canonical("https://example.org/n")},
                {"c.html", canonical("http://example.org/a.html")},
                {"n.html", kNoindex + "\n" + canonical("/n.html")},
                {"e.html", kNoindex + "\n" + canonical("https://example.org/sub/")},
                {"sub/index.html", canonical("https://example.org/sub/")}}
        << "https://example.org/"
        << QStringList{"a.html:4 canonical-target-missing https://example.org/gone.html",
                       "b.html:4 canonical-target-noindex n.html",
                       "c.html:4 canonical-target-noindex a.html", "e.html:5 canonical-noindex"};
    QTest::newRow("canonical to the root")
        << Site{{"index.html", canonical("https://example.org/")},
                {"a.html", canonical("https://example.org/")},
                {"b/index.html", canonical("/index.html")},
                {"c.html", canonical("https://example.org/?p=3")},
                {"d.html", canonical("https://other.example/")}}
        << "https://example.org/"
        << QStringList{"a.html:4 canonical-root https://example.org/",
                       "b/index.html:4 canonical-root /index.html"};
    QTest::newRow("canonical to a root, without the site's address")
        << Site{{"d.html", canonical("https://other.example/")},
                {"index.html", canonical("https://other.example/index.html")}}
        << QString() << QStringList{"d.html:4 canonical-root https://other.example/"};
    const Site languages{
        {"en.html", alternate("en", "https://example.org/en") + "\n" +
                        alternate("de", "https://example.org/de.html")},
        {"de.html", alternate("de", "de.html") + "\n" + alternate("en", "en.html")},
        {"fr.html", alternate("fr", "fr.html") + "\n" + alternate("en", "en.html")},
        {"it.html", alternate("EN-gb", "de.html") + "\n" + alternate("english", "it.html")}};
    QTest::newRow("hreflang") << languages << "https://example.org"
                              << QStringList{"fr.html:5 hreflang-return-missing en.html",
                                             "it.html:4 hreflang-return-missing de.html",
                                             "it.html:5 hreflang-invalid english"};
    QTest::newRow("hreflang without the site's address")
        << languages << QString() << QStringList{"it.html:5 hreflang-invalid english"};
    QTest::newRow("hreflang, no self")
        << Site{{"a.html", alternate("de", "b.html")}, {"b.html", alternate("x-default", "b.html")}}
        << QString() << QStringList{"a.html:4 hreflang-self-missing"};
    const Site images{{"img/a.png", "png"},
                      {"a.html", "<meta property=og:image content=\"img/a.png\">"},
                      {"b.html", "<meta name=twitter:image content=\"/img/none.png\">"},
                      {"c.html", "<meta property=og:image content=\"https://example.org/x.png\">"},
                      {"d.html", "<meta property=og:image content=\"https://cdn.example/x.png\">"}};
    QTest::newRow("og:image")
        << images << "https://example.org/"
        << QStringList{"b.html:4 og-image-missing twitter:image /img/none.png",
                       "c.html:4 og-image-missing og:image https://example.org/x.png"};
    QTest::newRow("og:image, relative only")
        << images << QString()
        << QStringList{"b.html:4 og-image-missing twitter:image /img/none.png"};
    QTest::newRow("no head tag, no lang")
        << Site{{"a.html", "<html>\n<title>Boats</title>\n<p>" + title},
                {"b.html", "<html lang=de><head>" + title}}
        << QString() << QStringList{"a.html:1 head-implied", "a.html:1 lang-missing"};
}

// Each site's findings of the site rules, exactly, in page order.
void TestSiteCheck::site() {
    QFETCH(Site, site);
    QFETCH(QString, siteUrl);
    QFETCH(QStringList, findings);
    QTemporaryDir dir;
    for (const auto &[path, bytes] : site) {
        QDir(dir.path()).mkpath(QFileInfo(dir.filePath(path)).path());
        test::writeBytes(dir.filePath(path), path.endsWith(".html") ? pageBytes(bytes) : bytes);
    }
    const QStringList pages = pagesInFolder(dir.path(), [] { return false; });
    QStringList names;
    for (const QString &page : pages)
        names << QDir(dir.path()).relativeFilePath(page);
    const SiteRun run = checkSite(pages, SiteMap(pages, dir.path(), QUrl(siteUrl)), false);
    QStringList found;
    for (qsizetype i = 0; i < pages.size(); ++i)
        for (const Finding &finding : run.pages[i].findings)
            if (isSiteRule(finding.rule))
                found << (QStringList{QString("%1:%2").arg(names[i]).arg(finding.line),
                                      ruleEntry(finding.rule).id} +
                          finding.arguments)
                             .join(' ')
                             .remove(dir.path() + '/');
    QCOMPARE(found, findings);
}

QTEST_GUILESS_MAIN(TestSiteCheck)
#include "test_site_check.moc"
