#include "support/InProcessCommandLine.h"
#include "support/TestFiles.h"
#include "support/TestForms.h"
#include "support/WindowDriver.h"

#include <QCheckBox>
#include <QTemporaryDir>

using namespace velko;

class TestFileImport : public QObject {
    Q_OBJECT

    std::unique_ptr<test::WindowDriver> m_driver;
    QTemporaryDir m_dir;
    test::WindowDriver &d() { return *m_driver; }
    void import(const QString &path) {
        d().desktop().fileChoices << path;
        TRIGGER(d(), "mnuFileOpen");
    }

private Q_SLOTS:
    void init() { m_driver = std::make_unique<test::WindowDriver>(); }
    void cleanup() { QCOMPARE(d().desktop().unexpected, 0); }

    // The page's tags fill the cleared form, and "Generated Tags" gives way to
    // "General Tags"; a cancel beeps and a page that cannot be read changes
    // nothing.
    void importThenCancel() {
        const QString path = m_dir.filePath("page.html");
        test::writeBytes(path,
                         "<head>\n<title>Home</title>\n<meta name=\"robots\" content=none>\n");
        d().setText(Field::Author, "typed before");
        d().window().selectPage(Page::GeneratedTags);
        import(path);
        QCOMPARE(d().window().form(),
                 test::formOf(R"({"Title": "Home", "Robots slot": "none", "Robot": "none"})"));
        QCOMPARE(d().window().documentText(),
                 "<head>\r\n<title>Home</title>\r\n<meta name=\"robots\" content=none>\r\n");
        QCOMPARE(d().currentTab(), 0);
        d().window().selectPage(Page::HtmlFile);
        d().setText(Field::Author, "edited");
        import("");
        QCOMPARE(d().desktop().beeps, 1);
        QCOMPARE(d().text(Field::Author), "edited");
        QCOMPARE(d().desktop().fileDialogs.last().fileName, path); // opens where it was
        import(path);
        QCOMPARE(d().currentTab(), int(Page::HtmlFile) - 1);

        const FormValue before = d().window().form();
        d().window().importPage(m_dir.filePath("missing.html")); // as "velko PAGE" does
        QVERIFY(d().desktop().messages.last().details.contains("missing.html"));
        QCOMPARE(d().window().form(), before); // a failed import leaves the form alone
    }

    // Each page reads right and is saved back byte for byte, and a character
    // typed into it is saved in its encoding.
    void savesInThePagesEncoding_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QByteArray>("typed"); // how a "ł" typed into the title is saved
        const QByteArray utf8 = "\xc5\x82";
        QTest::newRow("mixed line breaks, no final one")
            << QByteArray("<html>\n<head>\r\n<title>Home</title>\r\r\n</head>\n</html>") << "Home"
            << utf8;
        QTest::newRow("UTF-8 with BOM")
            << QByteArray("\xef\xbb\xbf<title>\xc5\x81</title>\n") << "Ł" << utf8;
        QTest::newRow("a stray byte in a UTF-8 page")
            << QByteArray("<meta charset=\"utf-8\">\n<title>Caf\xc3\xa9 \xe9</title>\n")
            << QString("Café ") + QChar(0xDCE9) << utf8;
        QTest::newRow("windows-1250")
            << QByteArray("<meta charset=\"windows-1250\">\n<title>\xa3\xf3\x64\x9f</title>\n")
            << "Łódź" << QByteArray("\xb3");
        QTest::newRow("GB2312") << QByteArray(
                                       "<meta http-equiv=\"Content-Type\" content=\"text/html; "
                                       "charset=gb2312\">\n<title>\xd6\xd0\xce\xc4</title>\n")
                                << "中文" << QByteArray("&#322;");
        QTest::newRow("undeclared windows-1252")
            << QByteArray("<title>Caf\xe9 \x80 \x81</title>\r\n") << "Café € \u0081"
            << QByteArray("&#322;");
        QTest::newRow("ASCII, declares iso-8859-2")
            << QByteArray("<meta charset=iso-8859-2>\n<title>Lodz</title>\n") << "Lodz"
            << QByteArray("\xb3");
    }
    void savesInThePagesEncoding() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, title);
        QFETCH(QByteArray, typed);
        const QString path = m_dir.filePath("page.html");
        test::writeBytes(path, bytes);
        import(path);
        QCOMPARE(d().text(Field::Title), title);
        d().window().setDocumentText(d().window().documentText() + "x");
        d().window().setDocumentText(d().window().documentText().chopped(1));
        TRIGGER(d(), "mnuFileSave");
        QCOMPARE(test::bytesOf(path), bytes);

        QString document = d().window().documentText();
        d().window().setDocumentText(document.insert(document.indexOf("<title>") + 7, "ł"));
        TRIGGER(d(), "mnuFileSave");
        QCOMPARE(test::bytesOf(path),
                 QByteArray(bytes).insert(bytes.indexOf("<title>") + 7, typed));
    }

    // A block inserted in the window and saved, and one inserted by --insert,
    // add the block and change no other byte.
    void insertionChangesNothingElse_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("inserted");
        QTest::newRow("mixed line breaks")
            << QByteArray("<html>\n<head>\r\n<title>Old</title>\r\r\n</head>\n</html>")
            << QByteArray("<html>\n<head>\n<title>New</title>\n\r\n<title>Old</title>\r\r\n</head>"
                          "\n</html>");
        QTest::newRow("windows-1250, charset first, head attributes")
            << QByteArray("<HEAD lang=pl>\r\n<meta charset=windows-1250>\n\xb3\r\n</head>")
            << QByteArray(
                   "<HEAD lang=pl>\r\n<meta charset=windows-1250>\r\n<title>New</title>\r\n\n"
                   "\xb3\r\n</head>");
    }
    void insertionChangesNothingElse() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, inserted);
        const QString path = m_dir.filePath("page.html");
        test::writeBytes(path, bytes);
        import(path);
        d().setText(Field::Title, "New");
        TRIGGER(d(), "mnuTagsGenerate");
        d().desktop().answers << Answer::Ok;
        TRIGGER(d(), "mnuTagsInsert");
        TRIGGER(d(), "mnuFileSave");
        QCOMPARE(test::bytesOf(path), inserted);

        test::writeBytes(path, bytes);
        test::writeBytes(m_dir.filePath("form.json"), R"({"Title": "New"})");
        const test::CommandLineRun run =
            test::runInProcess({"--insert", m_dir.filePath("form.json"), path});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out, inserted);
    }

    // A form generated and inserted into a page reads back into the same fields.
    void generatedTagsReadBack() {
        TRIGGER(d(), "mnuFormFill");
        for (const char *box :
             {"chkTitleComments", "chkKeywordsComments", "chkDescriptionComments"})
            d().find<QCheckBox>(box)->setChecked(false);
        d().setText(Field::Author, "Ann \"the\" Author");
        const FormValue before = d().window().form();
        TRIGGER(d(), "mnuTagsGenerate");
        d().desktop().answers << Answer::Ok;
        TRIGGER(d(), "mnuTagsInsert");
        d().desktop().fileChoices << m_dir.filePath("round.html");
        TRIGGER(d(), "mnuFileSaveAs");
        d().desktop().answers << Answer::Discard; // the boxes changed the form
        import(m_dir.filePath("round.html"));
        const FormValue after = d().window().form();
        // The slots keep the raw values.
        QCOMPARE(test::onPage(after, Page::None, false), test::onPage(before, Page::None, false));
    }
};

QTEST_MAIN(TestFileImport)
#include "test_file_import.moc"
