// Update Tags In Files through the real window: the preview's rows, the
// writing with a page that cannot be written, Cancel and closing the window
// in the middle, and each page's own title and description kept.

#include "document/SiteUpdate.h"
#include "support/TestFiles.h"
#include "support/WindowDriver.h"

#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <csignal>
#include <memory>
#include <sys/resource.h>

using namespace velko;

namespace {

const QByteArray kPlain = "<html>\n<head>\n</head>\n<body>text</body>\n</html>\n";
const QByteArray kDuplicates = "<html><head>\n<title>Own title</title>\n"
                               "<meta name=\"keywords\" content=\"old\">\n"
                               "<meta name=\"description\" content=\"Own description\">\n"
                               "<meta name=\"keywords\" content=\"older\">\n</head></html>\n";
const QByteArray kOwnTitle = "<title>Own title</title>";
const QByteArray kOwnDescription = "<meta name=\"description\" content=\"Own description\">";

FormValue siteForm() {
    FormValue form;
    form[Field::Title] = "Site title";
    form[Field::Description] = "Site description";
    form[Field::Keywords] = "new";
    form[Field::Author] = "Ann";
    return form;
}

} // namespace

class TestSiteUpdate : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { std::signal(SIGXFSZ, SIG_IGN); }
    void init();
    void cleanup() { QCOMPARE(d().desktop().unexpected, 0); }
    void previewAndUpdate_data();
    void previewAndUpdate();
    void stopInTheMiddle_data();
    void stopInTheMiddle();
    void closeWhileFindingPages();
    void undoLastSiteUpdate();

private:
    std::unique_ptr<test::WindowDriver> m_driver;
    std::unique_ptr<QTemporaryDir> m_dir;
    test::WindowDriver &d() { return *m_driver; }
    QString path(const QString &name) { return m_dir->filePath(name); }
    void write(const QString &name, const QByteArray &bytes) {
        QDir().mkpath(QFileInfo(path(name)).path());
        test::writeBytes(path(name), bytes);
    }
    // Opens the dialog on the folder and waits for the preview.
    QDialog *preview(bool keepPageOwn);
    QStringList rows();
};

void TestSiteUpdate::init() {
    m_driver = std::make_unique<test::WindowDriver>();
    m_dir = std::make_unique<QTemporaryDir>();
    d().window().setForm(siteForm());
}

QDialog *TestSiteUpdate::preview(bool keepPageOwn) {
    d().desktop().pageChoices << QStringList{m_dir->path()};
    if (!d().trigger("mnuTagsUpdateFiles"))
        return nullptr;
    auto *dialog = d().find<QDialog>("frmUpdateFiles");
    dialog->findChild<QCheckBox *>("chkKeepPageOwn")->setChecked(keepPageOwn);
    auto *update = dialog->findChild<QPushButton *>("cmdUpdate");
    if (!QTest::qWaitFor([update] { return update->text() != "Update 0 Pages"; }))
        return nullptr;
    return dialog;
}

QStringList TestSiteUpdate::rows() {
    auto *table = d().find<QTableWidget>("tblPages");
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts << QDir(m_dir->path()).relativeFilePath(table->item(row, 0)->text()) + " | " +
                     table->item(row, 1)->text();
    return texts;
}

void TestSiteUpdate::previewAndUpdate_data() {
    QTest::addColumn<bool>("keepPageOwn");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("summary");
    const QString notHtml = "This file does not appear to be a valid HTML file.";
    QTest::newRow("keeping each page's own")
        << true
        << QStringList{"big.html | replace 0, add 2, remove 0",
                       "duplicates.html | replace 1, add 1, remove 1", "nohead.html | " + notHtml,
                       "same.html | unchanged", "sub/plain.HTM | replace 0, add 2, remove 0"}
        << "Pages updated: 2\r\nUnchanged: 1\r\nFailed: 2";
    QTest::newRow("replacing them")
        << false
        << QStringList{"big.html | replace 0, add 4, remove 0",
                       "duplicates.html | replace 3, add 1, remove 1", "nohead.html | " + notHtml,
                       "same.html | replace 0, add 2, remove 0",
                       "sub/plain.HTM | replace 0, add 4, remove 0"}
        << "Pages updated: 3\r\nUnchanged: 0\r\nFailed: 2";
}

// big.html is larger than the disk allows while the pages are written.
void TestSiteUpdate::previewAndUpdate() {
    QFETCH(bool, keepPageOwn);
    write("duplicates.html", kDuplicates);
    write("sub/plain.HTM", kPlain);
    write("nohead.html", "<p>no head</p>");
    write("big.html", kPlain + QByteArray(64 * 1024, 'x'));
    write("same.html", kPlain);
    QCOMPARE(updatePage(path("same.html"), siteTagLines(siteForm(), true)).kind,
             SitePageOutcome::Kind::Changes);
    write(".hidden/page.html", kPlain);
    write("notes.txt", kPlain);
    const QByteArray big = test::bytesOf(path("big.html"));

    QDialog *dialog = preview(keepPageOwn);
    QVERIFY(dialog);
    QCOMPARE(dialog->findChild<QCheckBox *>("chkKeepPageOwn")->toolTip(),
             "Leave each page's " + pageOwnTagNames() + " as they are");
    QTEST(rows(), "rows");
    // A full disk: every write past 32 KiB fails with EFBIG.
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit before = limit;
    limit.rlim_cur = 32 * 1024;
    setrlimit(RLIMIT_FSIZE, &limit);
    dialog->findChild<QPushButton *>("cmdUpdate")->click();
    const bool summarised = QTest::qWaitFor([this] { return !d().desktop().messages.isEmpty(); });
    setrlimit(RLIMIT_FSIZE, &before);
    QVERIFY(summarised);
    QCOMPARE(d().desktop().messages.size(), 1);
    const Message summary = d().desktop().messages.first();
    QTEST(summary.text, "summary");
    QVERIFY2(summary.details.startsWith(path("big.html") + ": "), qPrintable(summary.details));
    QVERIFY(summary.details.endsWith(path("nohead.html") + ": This file does not appear to be a "
                                                           "valid HTML file."));
    QCOMPARE(test::bytesOf(path("big.html")), big);
    QCOMPARE(test::bytesOf(path("nohead.html")), QByteArray("<p>no head</p>"));
    QCOMPARE(test::bytesOf(path(".hidden/page.html")), kPlain);
    const QByteArray updated = test::bytesOf(path("duplicates.html"));
    QCOMPARE(updated.contains(kOwnTitle), keepPageOwn);
    QCOMPARE(updated.contains(kOwnDescription), keepPageOwn);
    QVERIFY(!updated.contains("older"));
    QTRY_VERIFY(!d().window().findChild<QDialog *>("frmUpdateFiles"));
}

void TestSiteUpdate::stopInTheMiddle_data() {
    QTest::addColumn<bool>("byClosingTheWindow");
    QTest::newRow("Cancel") << false;
    QTest::newRow("closing the window") << true;
}

// Every page is either as it was or fully updated, and the summary counts them.
void TestSiteUpdate::stopInTheMiddle() {
    QFETCH(bool, byClosingTheWindow);
    constexpr int kPages = 400;
    for (int i = 0; i < kPages; ++i)
        write(QString("page%1.html").arg(i), kPlain);
    QTemporaryDir other;
    test::writeBytes(other.filePath("page.html"), kPlain);
    updatePage(other.filePath("page.html"), siteTagLines(siteForm(), true));
    const QByteArray updatedBytes = test::bytesOf(other.filePath("page.html"));

    QDialog *dialog = preview(true);
    QVERIFY(dialog);
    dialog->findChild<QPushButton *>("cmdUpdate")->click();
    if (byClosingTheWindow) {
        // Cancel on the unsaved document leaves the writing going: asked again.
        d().window().setDocumentModified(true);
        d().desktop().answers << Answer::No << Answer::Yes << Answer::Cancel << Answer::Yes
                              << Answer::Discard;
        QVERIFY(!d().window().close());
        QVERIFY(!d().window().close());
        QVERIFY(d().window().close());
        QCOMPARE(d().desktop().messages.size(), 5);
        QCOMPARE(d().desktop().messages[3].buttons, Buttons::YesNo);
    } else {
        dialog->findChild<QPushButton *>("cmdCancel")->click();
        QTRY_COMPARE(d().desktop().messages.size(), 1);
    }

    int updated = 0;
    for (int i = 0; i < kPages; ++i) {
        const QByteArray bytes = test::bytesOf(path(QString("page%1.html").arg(i)));
        QVERIFY(bytes == kPlain || bytes == updatedBytes);
        updated += bytes == updatedBytes;
    }
    QVERIFY2(updated < kPages, "the work was not stopped");
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden).size(), kPages);
    if (!byClosingTheWindow)
        QCOMPARE(d().desktop().messages.last().text,
                 QString("Pages updated: %1\r\nUnchanged: 0\r\nFailed: 0\r\n"
                         "Left untouched when stopped: %2")
                     .arg(updated)
                     .arg(kPages - updated));
}

// Nothing is written yet: the window closes without asking, the search stopped.
void TestSiteUpdate::closeWhileFindingPages() {
    d().desktop().pageChoices << QStringList{m_dir->path()};
    QVERIFY(d().trigger("mnuTagsUpdateFiles"));
    QVERIFY(d().window().close());
    QTRY_VERIFY(!d().window().findChild<QDialog *>("frmUpdateFiles"));
}

// The window keeps every run for undo; the undo leaves a page changed since.
void TestSiteUpdate::undoLastSiteUpdate() {
    QTemporaryDir data;
    Settings settings;
    settings.dataFolder = data.path();
    m_driver = std::make_unique<test::WindowDriver>(settings);
    d().window().setForm(siteForm());
    write("a.html", kPlain);
    write("b.html", kPlain);
    QDialog *dialog = preview(true);
    QVERIFY(dialog);
    d().desktop().answers << Answer::Ok;
    dialog->findChild<QPushButton *>("cmdUpdate")->click();
    QTRY_COMPARE(d().desktop().messages.size(), 1);
    QCOMPARE(d().desktop().messages[0].buttons, Buttons::OkUndo);
    QVERIFY(test::bytesOf(path("a.html")) != kPlain);
    write("b.html", "edited");
    d().desktop().answers << Answer::Ok;
    TRIGGER(d(), "mnuTagsUndoSiteUpdate");
    QCOMPARE(d().desktop().messages.size(), 3);
    QVERIFY(d().desktop().messages[1].text.startsWith(
        "Put back the 2 pages written by Update Tags In Files at "));
    QCOMPARE(d().desktop().messages[2].text,
             "Pages restored: 1\r\nLeft alone, changed since: 1\r\nFailed: 0");
    QCOMPARE(d().desktop().messages[2].details, path("b.html") + ": changed since the update");
    QCOMPARE(test::bytesOf(path("a.html")), kPlain);
    QCOMPARE(test::bytesOf(path("b.html")), QByteArray("edited"));
}

QTEST_MAIN(TestSiteUpdate)
#include "test_site_update.moc"
