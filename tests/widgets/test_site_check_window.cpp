// Check Site through the real window: what it shows are the numbers of
// velko --check --format=json over the same folder; Open Page goes to a
// finding's line; the saved report counts the same; Cancel stops.

#include "support/TestFiles.h"
#include "support/WindowDriver.h"
#include "widgets/SiteCheckDialog.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <memory>

using namespace velko;

namespace {

using Pages = QMap<QString, QByteArray>; // path in the site -> the page's head

QByteArray page(const QByteArray &head) {
    return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n" + head +
           "</head>\n<body></body>\n</html>\n";
}

// What velko --check --format=json says of the folder: counts by severity
// and by rule, and "file rule" -> the line of its first finding.
struct Said {
    QMap<QString, qsizetype> counts;
    QMap<QString, qsizetype> lines;
};

Said checkedByVelko(const QString &folder) {
    QProcess velko;
    velko.start(VELKO_BINARY, {"--check", "--format=json", "--quiet", folder});
    velko.waitForFinished();
    Said said;
    for (const QByteArray &line : velko.readAllStandardOutput().split('\n')) {
        const QJsonObject finding = QJsonDocument::fromJson(line).object();
        if (finding.isEmpty())
            continue;
        ++said.counts[finding["severity"].toString() + 's'];
        ++said.counts[finding["rule"].toString()];
        const QString key = finding["file"].toString() + ' ' + finding["rule"].toString();
        if (!said.lines.contains(key))
            said.lines[key] = finding["line"].toInteger();
    }
    return said;
}

// The tiles of a report: what -> how many.
QMap<QString, qsizetype> reportTotals(const QByteArray &html) {
    QMap<QString, qsizetype> totals;
    QXmlStreamReader xml(html);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            xml.attributes().hasAttribute("data-total"))
            totals[xml.attributes().value("data-total").toString()] =
                xml.attributes().value("data-count").toLongLong();
    return totals;
}

} // namespace

class TestSiteCheckWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { QCOMPARE(d().desktop().unexpected, 0); }
    void checkSite_data();
    void checkSite();
    void cancelStops();

private:
    std::unique_ptr<test::WindowDriver> m_driver;
    std::unique_ptr<QTemporaryDir> m_dir;
    test::WindowDriver &d() { return *m_driver; }
    QString site() { return m_dir->filePath("site"); }
    SiteCheckDialog *start() {
        d().desktop().pageChoices << QStringList{site()};
        return d().trigger("mnuTagsCheckSite") ? d().find<SiteCheckDialog>("frmCheckSite")
                                               : nullptr;
    }
    template <typename T> T *in(QDialog *dialog, const char *name) {
        return dialog->findChild<T *>(QString::fromLatin1(name));
    }
};

void TestSiteCheckWindow::init() {
    m_driver = std::make_unique<test::WindowDriver>();
    m_dir = std::make_unique<QTemporaryDir>();
}

void TestSiteCheckWindow::checkSite_data() {
    QTest::addColumn<Pages>("pages");
    QTest::addColumn<QString>("opened"); // "page rule" whose finding Open Page shows
    QTest::newRow("a shared title, a page without one")
        << Pages{{"a.html", "<title>Harbour boats</title>\n"},
                 {"b.html", "<meta name=\"viewport\" content=\"width=device-width\">\n"
                            "<title>Harbour boats</title>\n"},
                 {"news/c.html", "<meta name=\"keywords\" content=\"a\">\n"}}
        << "b.html title-shared";
    QTest::newRow("one page") << Pages{{"index.html", "<title>Boats</title>\n"}}
                              << "index.html viewport-missing";
}

void TestSiteCheckWindow::checkSite() {
    QFETCH(Pages, pages);
    QFETCH(QString, opened);
    for (auto it = pages.begin(); it != pages.end(); ++it) {
        QDir().mkpath(QFileInfo(site() + '/' + it.key()).path());
        test::writeBytes(site() + '/' + it.key(), page(it.value()));
    }
    const Said said = checkedByVelko(site());
    SiteCheckDialog *dialog = start();
    QVERIFY(dialog);
    QSignalSpy finished(dialog, &SiteCheckDialog::checkFinished);
    QVERIFY(finished.wait());

    QMap<QString, qsizetype> shown;
    for (const auto &[total, label] :
         {std::pair("errors", "lblErrors"), {"warnings", "lblWarnings"}, {"notes", "lblNotes"}})
        if (const qsizetype count = in<QLabel>(dialog, label)->text().toLongLong())
            shown[total] = count;
    const auto *rules = in<QTreeWidget>(dialog, "lstRules");
    for (int row = 0; row < rules->topLevelItemCount(); ++row)
        shown[rules->topLevelItem(row)->text(0)] = rules->topLevelItem(row)->text(2).toLongLong();
    QCOMPARE(shown, said.counts);
    QCOMPARE(in<QLabel>(dialog, "lblPages")->text(), QString::number(pages.size()));

    // Open Page on the finding: the page is the document, the caret on its line.
    auto *table = in<QTableView>(dialog, "tblPages");
    const QString path = opened.section(' ', 0, 0);
    const QString rule = opened.section(' ', 1);
    for (int row = 0; row < table->model()->rowCount(); ++row)
        if (table->model()->index(row, 0).data().toString() == QDir::toNativeSeparators(path))
            table->selectRow(row);
    auto *findings = in<QTreeWidget>(dialog, "lstPageFindings");
    const QList<QTreeWidgetItem *> items = findings->findItems(rule, Qt::MatchExactly, 3);
    QVERIFY(!items.isEmpty());
    findings->setCurrentItem(items.first());
    in<QPushButton>(dialog, "cmdOpenPage")->click();
    QCOMPARE(d().currentTab(), int(Page::HtmlFile) - 1);
    QCOMPARE(d().window().windowFilePath(), site() + '/' + path);
    QCOMPARE(d().documentArea()->textCursor().blockNumber() + 1,
             said.lines.value(site() + '/' + path + ' ' + rule));

    // The report, beside the folder: the same totals, pages linked from there.
    const QString report = m_dir->filePath("site-report.html");
    d().desktop().fileChoices << report;
    in<QPushButton>(dialog, "cmdSaveReport")->click();
    QCOMPARE(d().desktop().fileDialogs.last().fileName, report);
    const QByteArray html = test::bytesOf(report);
    const QMap<QString, qsizetype> totals = reportTotals(html);
    for (const char *severity : {"errors", "warnings", "notes"})
        QCOMPARE(totals.value(severity), said.counts.value(severity));
    QCOMPARE(totals.value("pages"), pages.size());
    QVERIFY(html.contains("\"site/" + path.toUtf8() + '"'));
}

// Cancel in the middle closes the window with nothing shown or said.
void TestSiteCheckWindow::cancelStops() {
    QDir().mkpath(site());
    for (int i = 0; i < 200; ++i)
        test::writeBytes(site() + QString("/p%1.html").arg(i), page("<title>Same</title>\n"));
    QPointer<SiteCheckDialog> dialog = start();
    QVERIFY(dialog);
    QSignalSpy finished(dialog.data(), &SiteCheckDialog::checkFinished);
    in<QPushButton>(dialog, "cmdCancel")->click();
    QTRY_VERIFY(!dialog);
    QCOMPARE(finished.count(), 0);
    QVERIFY(d().desktop().messages.isEmpty());
}

QTEST_MAIN(TestSiteCheckWindow)
#include "test_site_check_window.moc"
