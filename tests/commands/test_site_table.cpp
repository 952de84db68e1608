// The site editor's table against a folder of pages: its rows, shared marks
// and filters; edits written through the update and undone, a page changed on
// disk in between; title lists in and out, and --update --titles.

#include "commands/SiteTable.h"
#include "files/FileSnapshot.h"
#include "files/PageFile.h"
#include "files/UndoStore.h"
#include "support/InProcessCommandLine.h"
#include "support/TestFiles.h"
#include "tags/SearchWidths.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace velko;

namespace {

QByteArray page(const QByteArray &head) {
    return "<!DOCTYPE html>\r\n<html><head>\r\n" + head + "</head>\r\n<body>x</body></html>";
}

const QByteArray kA =
    page("<title>Home</title>\r\n<meta name=\"description\" content=\"Welcome\">\r\n"
         "<meta name=\"robots\" content=\"noindex\">\r\n"
         "<link rel=\"canonical\" href=\"https://ex.example/\">\r\n");
const QByteArray kB =
    page("<title>Home</title>\r\n<meta name=\"description\" content=\"Other\">\r\n");
const QByteArray kC = page("<title>A title far too long for a search result, which cuts it at "
                           "six hundred pixels or so</title>\r\n");

} // namespace

class TestSiteTable : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void rows();
    void filters_data();
    void filters();
    void editsWrittenThroughUpdate();
    void pageChangedOnDisk();
    void titleListRoundTrip_data();
    void titleListRoundTrip();
    void titleListRefused_data();
    void titleListRefused();
    void titlesFromTheCommandLine();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    SiteTable m_table;
    QString path(const QString &name) const { return m_dir->filePath(name); }
    SiteRow &row(const QString &page) {
        for (SiteRow &row : m_table.rows)
            if (row.page == page)
                return row;
        qFatal("no row %s", qPrintable(page));
    }
};

void TestSiteTable::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QDir(m_dir->path()).mkdir("sub");
    QDir(m_dir->path()).mkdir(".hidden");
    test::writeBytes(path("a.html"), kA);
    test::writeBytes(path("b.html"), kB);
    test::writeBytes(path("sub/c.html"), kC);
    test::writeBytes(path("sub/e.htm"), kB);
    test::writeBytes(path(".hidden/d.html"), kB);
    test::writeBytes(path("notes.txt"), kB);
    m_table = *readSiteTable(m_dir->path(), 2);
}

void TestSiteTable::rows() {
    QCOMPARE(m_table.rows.size(), 4u);
    QCOMPARE(m_table.rows[2].page, "sub/c.html");
    const SiteRow &a = row("a.html");
    QCOMPARE(a.title, "Home");
    QCOMPARE(a.description, "Welcome");
    QCOMPARE(a.robots, "noindex");
    QCOMPARE(a.canonical, "https://ex.example/");
    QCOMPARE(a.hash, contentHash(kA));
    QVERIFY(a.sharedTitle && row("b.html").sharedTitle && !row("sub/c.html").sharedTitle);
    QVERIFY(!a.sharedDescription);
    // The site rules: b and e share their title (a, with noindex, is left out).
    const std::vector<Finding> &b = row("sub/e.htm").findings;
    QVERIFY(std::any_of(b.begin(), b.end(),
                        [](const Finding &f) { return f.rule == Rule::TitleShared; }));
    QCOMPARE(a.worstSeverity(), Severity::Warning);
    QVERIFY(a.titlePixels > 0 && a.titlePixels < searchTitleWidth);
    QVERIFY(row("sub/c.html").titlePixels > searchTitleWidth);
    QCOMPARE(row("sub/c.html").descriptionPixels, 0);
}

void TestSiteTable::filters_data() {
    QTest::addColumn<RowFilter>("filter");
    QTest::addColumn<QStringList>("pages");
    QTest::newRow("none") << RowFilter{}
                          << QStringList{"a.html", "b.html", "sub/c.html", "sub/e.htm"};
    QTest::newRow("text in a path")
        << RowFilter{.text = "SUB/"} << QStringList{"sub/c.html", "sub/e.htm"};
    QTest::newRow("text in a description, edited too")
        << RowFilter{.text = "welc"} << QStringList{"a.html", "b.html"};
    QTest::newRow("text in an edit") << RowFilter{.text = "blog"} << QStringList{"b.html"};
    QTest::newRow("shared titles, after the edit")
        << RowFilter{.text = {}, .sharedTitles = true} << QStringList{"a.html", "sub/e.htm"};
    QTest::newRow("shared descriptions, after the edit")
        << RowFilter{.text = {}, .sharedDescriptions = true} << QStringList{"a.html", "b.html"};
    QTest::newRow("changed") << RowFilter{.text = {}, .changed = true} << QStringList{"b.html"};
    QTest::newRow("two at once") << RowFilter{.text = "home", .changed = true} << QStringList{};
}

void TestSiteTable::filters() {
    QFETCH(RowFilter, filter);
    QFETCH(QStringList, pages);
    QVERIFY(editTitle(row("b.html"), "Blog"));
    QVERIFY(editDescription(row("b.html"), "Welcome"));
    markShared(m_table.rows);
    QStringList passed;
    for (const SiteRow &row : m_table.rows)
        if (passes(row, filter))
            passed << row.page;
    QCOMPARE(passed, pages);
}

void TestSiteTable::editsWrittenThroughUpdate() {
    QVERIFY(editTitle(row("a.html"), "New \"home\""));
    QVERIFY(editDescription(row("b.html"), "Fresh"));
    QVERIFY(editTitle(row("sub/c.html"), "Short"));
    // Back to the value read, or emptied: no edit.
    QVERIFY(editTitle(row("sub/c.html"), row("sub/c.html").title));
    QVERIFY(!editDescription(row("sub/c.html"), ""));
    QVERIFY(!row("sub/c.html").changed());
    const PendingEdits pending = pendingEdits(m_table);
    QCOMPARE(pending.rows, (std::vector<qsizetype>{0, 1}));
    QCOMPARE(QString(editDiff(pending.edits[0]).output).count("\n-"), 1);
    const std::vector<SitePageOutcome> outcomes = saveEdits(pending.edits, {});
    QVERIFY(takeSaved(m_table, pending, outcomes).isEmpty());

    QByteArray a = kA, b = kB;
    a.replace("<title>Home</title>", "<title>New \"home\"</title>");
    b.replace("content=\"Other\"", "content=\"Fresh\"");
    QCOMPARE(test::bytesOf(path("a.html")), a);
    QCOMPARE(test::bytesOf(path("b.html")), b);
    QCOMPARE(test::bytesOf(path("sub/c.html")), kC);
    QVERIFY(!row("a.html").changed());
    QCOMPARE(row("a.html").title, "New \"home\"");
    QCOMPARE(row("a.html").hash, contentHash(a));
    // Saved again, the pages are what the table read; that save undone as a
    // run puts back what the first one wrote.
    QVERIFY(editTitle(row("a.html"), "Again"));
    const QTemporaryDir undoRoot;
    UndoRecorder undo(undoRoot.path(), "Save Changes");
    QCOMPARE(saveEdits(pendingEdits(m_table).edits, {.undo = &undo})[0].kind,
             SitePageOutcome::Kind::Changes);
    QVERIFY(undo.finish());
    QCOMPARE(undoRun(*lastUndoRun(undoRoot.path())).restored.size(), 1);
    QCOMPARE(test::bytesOf(path("a.html")), a);
}

void TestSiteTable::pageChangedOnDisk() {
    QVERIFY(editTitle(row("a.html"), "Mine"));
    QVERIFY(editTitle(row("b.html"), "Mine too"));
    const QByteArray theirs = kB + "<!-- theirs -->";
    test::writeBytes(path("b.html"), theirs);
    const PendingEdits pending = pendingEdits(m_table);
    QCOMPARE(editDiff(pending.edits[1]).error, kChangedSinceRead);
    const std::vector<SitePageOutcome> outcomes = saveEdits(pending.edits, {});
    QCOMPARE(outcomes[1].kind, SitePageOutcome::Kind::Failed);
    QCOMPARE(takeSaved(m_table, pending, outcomes),
             QStringList{"b.html: " + QString(kChangedSinceRead)});
    QCOMPARE(test::bytesOf(path("b.html")), theirs);
    QVERIFY(test::bytesOf(path("a.html")).contains("<title>Mine</title>"));
    QVERIFY(row("b.html").changed() && !row("a.html").changed());
}

void TestSiteTable::titleListRoundTrip_data() {
    QTest::addColumn<QByteArray>("before"); // put before the list's bytes
    QTest::addColumn<QString>("title");
    QTest::newRow("plain") << QByteArray() << "Home";
    QTest::newRow("quotes and commas") << QByteArray() << "He said \"hi\", then left";
    QTest::newRow("line breaks") << QByteArray() << "one\r\ntwo\nthree";
    QTest::newRow("a byte-order mark, letters past ASCII")
        << QByteArray("\xEF\xBB\xBF") << "Café – ☕";
}

void TestSiteTable::titleListRoundTrip() {
    QFETCH(QByteArray, before);
    QFETCH(QString, title);
    QVERIFY(editTitle(row("sub/c.html"), title));
    const std::vector<TitleRow> rows = titleList(m_table);
    const QByteArray bytes = titleListBytes(rows);
    QVERIFY(bytes.startsWith("page,title,description\r\n"));
    QString error;
    const auto read = readTitleList(before + bytes, &error);
    QVERIFY2(read, qPrintable(error));
    QCOMPARE(*read, rows);
    // Applied to the table as read, the list makes the same edit, and only it.
    m_table = *readSiteTable(m_dir->path(), 1);
    QCOMPARE(applyTitleList(m_table, *read), QStringList());
    QCOMPARE(pendingEdits(m_table).rows, std::vector<qsizetype>{2});
    QCOMPARE(row("sub/c.html").newTitle, title);
}

void TestSiteTable::titleListRefused_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    QTest::newRow("another header")
        << QByteArray("file,title\r\n") << "the first row is not page,title,description";
    QTest::newRow("a quote not closed") << QByteArray("page,title,description\r\na.html,\"Home\r\n")
                                        << "line 2: a quoted field is not closed";
    QTest::newRow("text after a quote")
        << QByteArray("page,title,description\r\na.html,\"Home\" page,x\r\n")
        << "line 2: text after a quoted field";
    QTest::newRow("a field too many") << QByteArray("page,title,description\na.html,a,b,c\n")
                                      << "row 2 has 4 fields, more than page,title,description";
    QTest::newRow("not UTF-8") << QByteArray("page,title,description\na.html,Caf\xE9,\n")
                               << "not UTF-8 text";
}

void TestSiteTable::titleListRefused() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    QString said;
    QVERIFY(!readTitleList(bytes, &said));
    QCOMPARE(said, error);
}

// A row naming no page of the folder fails the run; an empty field leaves
// its tag, the rows that name pages are done.
void TestSiteTable::titlesFromTheCommandLine() {
    test::writeBytes(path("titles.csv"), "page,title,description\n"
                                         "a.html,Start,\n"
                                         "./sub/c.html,,\"Short, at last\"\n"
                                         "gone.html,Lost,\n");
    const test::CommandLineRun run = test::runInProcess(
        {"--update", "--titles", path("titles.csv"), "--in-place", m_dir->path()});
    QCOMPARE(run.code, 1);
    QVERIFY(run.err.contains("gone.html: no such page in"));
    QByteArray a = kA, c = kC;
    a.replace("<title>Home</title>", "<title>Start</title>");
    c.replace("<head>\r\n", "<head>\r\n<meta name=\"description\" content=\"Short, at last\">\r\n");
    QCOMPARE(test::bytesOf(path("a.html")), a);
    QCOMPARE(test::bytesOf(path("b.html")), kB);
    QCOMPARE(test::bytesOf(path("sub/c.html")), c);
}

QTEST_GUILESS_MAIN(TestSiteTable)
#include "test_site_table.moc"
