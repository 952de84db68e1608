#include "report/ReportHtml.h"
#include "support/TestFiles.h"
#include "text/DisplayText.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace velko;

namespace {

// A page of a test site; its title and description as the page writes them,
// and no tag for a null one.
struct TestPage {
    QString path;
    QByteArray title;
    QByteArray description;
    QByteArray head; // more of the head
};
using Site = QList<TestPage>;
using Groups = std::vector<PageGroup>;

QByteArray pageBytes(const TestPage &page) {
    QByteArray head =
        "<meta charset=\"utf-8\">\n<meta name=\"viewport\" content=\"width=device-width\">\n";
    if (!page.title.isNull())
        head += "<title>" + page.title + "</title>\n";
    if (!page.description.isNull())
        head += "<meta name=\"description\" content=\"" + page.description + "\">\n";
    return "<!DOCTYPE html>\n<html>\n<head>\n" + head + page.head +
           "</head>\n<body></body>\n</html>\n";
}

// What velko --check --format=json --report says of the files: each file's
// findings as "LINE:COLUMN SEVERITY RULE MESSAGE", the counts by severity and
// by rule, and the report it wrote.
struct Said {
    QMap<QString, QStringList> findings;
    QMap<QString, qsizetype> counts;
    QByteArray report;
};

Said checkedByVelko(const QStringList &pages, const QString &reportPath) {
    Said said;
    QProcess velko;
    velko.start(VELKO_BINARY,
                QStringList{"--check", "--format=json", "--quiet", "--report", reportPath} + pages);
    velko.waitForFinished();
    said.report = test::bytesOf(reportPath);
    for (const QByteArray &line : velko.readAllStandardOutput().split('\n')) {
        const QJsonObject finding = QJsonDocument::fromJson(line).object();
        if (finding.isEmpty())
            continue;
        said.findings[finding["file"].toString()]
            << QString("%1:%2 %3 %4 %5")
                   .arg(finding["line"].toInteger())
                   .arg(finding["column"].toInteger())
                   .arg(finding["severity"].toString(), finding["rule"].toString(),
                        finding["message"].toString());
        ++said.counts[finding["severity"].toString()];
        ++said.counts[finding["rule"].toString()];
    }
    return said;
}

// The numbers and links of a report, as an XML reader finds them.
struct Report {
    QString error;
    QMap<QString, qsizetype> counts;             // tiles and rule rows: what -> how many
    QStringList ruleOrder;                       // "severity rule", as the rows go
    QList<QList<std::array<qsizetype, 3>>> bars; // per width table: from, to (0: open), pages
    QMap<QString, QList<qsizetype>> groupSizes;  // "title" -> sizes, as listed
    QStringList quoted;                          // the groups' texts
    QStringList links, sources, ids;
    QString styles;
    int scripts = 0;
    QJsonObject data;
};

Report parse(const QByteArray &html) {
    Report report;
    QXmlStreamReader xml(html);
    QString shared;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        const auto value = [&](const char *name) { return a.value(name).toString(); };
        const auto count = [&] { return value("data-count").toLongLong(); };
        for (const QXmlStreamAttribute &attribute : a) {
            const QStringView name = attribute.qualifiedName();
            if (name == u"href")
                report.links << attribute.value().toString();
            else if (name == u"src")
                report.sources << attribute.value().toString();
            else if (name == u"style")
                report.styles += attribute.value();
            else if (name == u"id")
                report.ids << attribute.value().toString();
        }
        if (a.hasAttribute("data-total"))
            report.counts[value("data-total")] = count();
        if (xml.name() == u"tr" && a.hasAttribute("data-rule")) {
            report.counts[value("data-rule")] = count();
            report.ruleOrder << value("data-severity") + ' ' + value("data-rule");
        }
        if (xml.name() == u"tr" && a.hasAttribute("data-from")) {
            if (value("data-from") == "0")
                report.bars.emplaceBack();
            report.bars.last().append(
                {value("data-from").toLongLong(), value("data-to").toLongLong(), count()});
        }
        if (a.hasAttribute("data-shared"))
            shared = value("data-shared");
        if (a.hasAttribute("data-size"))
            report.groupSizes[shared] << value("data-size").toLongLong();
        if (xml.name() == u"q")
            report.quoted << xml.readElementText();
        if (xml.name() == u"style")
            report.styles += xml.readElementText();
        if (xml.name() == u"script" && ++report.scripts && value("type") == "application/json")
            report.data = QJsonDocument::fromJson(xml.readElementText().toUtf8()).object();
    }
    report.error = xml.hasError() ? xml.errorString() : QString();
    return report;
}

} // namespace

Q_DECLARE_METATYPE(Site)
Q_DECLARE_METATYPE(Groups)

class TestReport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void report_data();
    void report();
};

void TestReport::report_data() {
    QTest::addColumn<Site>("site");
    QTest::addColumn<Groups>("sharedTitles");

    const QByteArray longTitle =
        "Harbour boats for hire by the day, the week or the whole summer season";
    const QByteArray longDescription = QByteArray("Sailing boats and rowing boats. ").repeated(6);
    const QByteArray hostile = "</script><script>alert(1)</script> ]]> &amp; <!-- x";
    QTest::newRow("no pages") << Site{} << Groups{};
    QTest::newRow("one page") << Site{{"index.html",
                                       "Boats",
                                       "Sailing boats and rowing boats "
                                       "to hire by the day or the week.",
                                       {}}}
                              << Groups{};
    QTest::newRow("a site")
        << Site{{"index.html", "Harbour boats", "Boats to hire.", {}},
                {"news/a b#1.html", longTitle, longDescription, {}},
                {"news/two.html",
                 "Harbour boats",
                 {},
                 "<title>Two</title><meta name=keywords content=a>"
                 "<meta name=keywords content=b>"},
                {"café/menu.html", "Menu", {}, "<link rel=canonical href=/menu>"},
                {"about.html", "Harbour boats", "Boats to hire.",
                 "<meta name=robots content=noindex>"}}
        << Groups{{0, 2}};
    QTest::newRow("hostile texts") << Site{{"javascript:alert(1).html",
                                            hostile,
                                            "a\x01"
                                            "b",
                                            {}},
                                           {"x.html", hostile, {}, {}}}
                                   << Groups{{0, 1}};
}

// The report's numbers are those velko --check --format=json gives in the
// same run; its links lead to the pages; nothing comes from elsewhere;
// nothing from a page breaks out of its markup.
void TestReport::report() {
    QFETCH(Site, site);
    QFETCH(Groups, sharedTitles);
    QTemporaryDir dir;
    QStringList titles;
    QStringList files;
    for (const TestPage &page : site) {
        const QByteArray bytes = pageBytes(page);
        QDir(dir.path()).mkpath(QFileInfo(dir.filePath(page.path)).path());
        test::writeBytes(dir.filePath(page.path), bytes);
        files << dir.filePath(page.path);
        titles << displayText(QString::fromUtf8(page.title), ReferencePlace::Text).simplified();
    }
    const Said said =
        checkedByVelko(files.isEmpty() ? QStringList{dir.path()} : files, dir.filePath("r.html"));
    const Report report = parse(said.report);
    QCOMPARE(report.error, QString());
    QMap<QString, qsizetype> expected{{"pages", site.size()}, {"pages-with-errors", 0}};
    for (const char *severity : {"error", "warning", "note"})
        expected[severity + QString("s")] = said.counts.value(severity);
    const QJsonArray pages = report.data["pages"].toArray();
    const QJsonArray rules = report.data["rules"].toArray();
    const QJsonArray messages = report.data["messages"].toArray();
    QCOMPARE(pages.size(), site.size());
    for (qsizetype i = 0; i < site.size(); ++i) {
        const QJsonArray page = pages[i].toArray();
        QCOMPARE(page[0].toString(), site[i].path);
        QCOMPARE(page[1].toString(), titles[i]);
        QStringList findings;
        const QJsonArray places = page[8].toArray();
        for (qsizetype f = 0; f + 3 < places.size(); f += 4)
            findings << QString("%1:%2 %3 %4 %5")
                            .arg(places[f].toInteger())
                            .arg(places[f + 1].toInteger())
                            .arg(rules[places[f + 2].toInt()][1].toString(),
                                 rules[places[f + 2].toInt()][0].toString(),
                                 messages[places[f + 3].toInt()].toString());
        const QStringList saidOfPage = said.findings.value(files[i]);
        QCOMPARE(findings, saidOfPage);
        const qsizetype errors = saidOfPage.filter(" error ").size();
        // The widths are those the rules judge by.
        if (saidOfPage.filter(" title-too-long ").size())
            QVERIFY(page[3].toInt() > searchTitleWidth);
        if (saidOfPage.filter(" description-too-long ").size())
            QVERIFY(page[4].toInt() > searchDescriptionWidth);
        QCOMPARE(page[5].toInt(), errors);
        expected["pages-with-errors"] += errors > 0;
    }
    for (const QJsonValue rule : rules)
        expected[rule[0].toString()] = said.counts.value(rule[0].toString());
    QCOMPARE(report.counts, expected);
    QStringList byFindings = report.ruleOrder;
    std::stable_sort(byFindings.begin(), byFindings.end(), [&](const QString &a, const QString &b) {
        const auto rank = [&](const QString &row) {
            return std::pair(QString("ewn").indexOf(row[0]), -report.counts[row.section(' ', 1)]);
        };
        return rank(a) < rank(b);
    });
    QCOMPARE(report.ruleOrder, byFindings);

    // Every page with a title or a description on the bar of its width.
    QCOMPARE(report.bars.size(), 2);
    for (int kind = 0; kind < 2; ++kind) {
        QList<std::array<qsizetype, 3>> bars = report.bars[kind];
        for (const QJsonValue page : pages)
            for (auto &[from, to, count] : bars)
                if (!page[1 + kind].toString().isEmpty() && page[3 + kind].toInt() >= from &&
                    (to == 0 || page[3 + kind].toInt() <= to))
                    --count;
        for (const auto &bar : bars)
            QCOMPARE(bar[2], 0);
    }

    QList<qsizetype> sizes;
    for (const PageGroup &group : sharedTitles) {
        sizes << qsizetype(group.size());
        QVERIFY(report.quoted.contains(titles[group.front()]));
    }
    std::sort(sizes.rbegin(), sizes.rend());
    QCOMPARE(report.groupSizes.value("title"), sizes);

    QCOMPARE(report.scripts, 2);
    QCOMPARE(report.sources, QStringList());
    QVERIFY(!report.styles.contains("url(", Qt::CaseInsensitive));
    QVERIFY(!report.styles.contains("@import", Qt::CaseInsensitive));
    const QUrl folder = QUrl::fromLocalFile(dir.path() + '/');
    for (const QString &link : report.links) {
        if (link.startsWith('#')) {
            QVERIFY2(report.ids.contains(link.mid(1)), qPrintable(link));
            continue;
        }
        QVERIFY2(QUrl(link).isRelative() && !link.startsWith("//"), qPrintable(link));
        QVERIFY2(files.contains(folder.resolved(QUrl(link)).toLocalFile()), qPrintable(link));
    }
}

QTEST_GUILESS_MAIN(TestReport)
#include "test_report.moc"
