#include "help/AboutBox.h"
#include "help/HelpViewer.h"
#include "support/WindowDriver.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBrowser>

using namespace velko;

class TestHelp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void linksOpenTheMakersPages_data();
    void linksOpenTheMakersPages();
    void helpDocumentShowsTheContents();
    void viewerFollowsLinksAndGoesBack();
    void viewerReportsAMissingFile();
    void aboutBoxTexts();
    void aboutBoxLinks_data();
    void aboutBoxLinks();
    void aboutBoxIsCentred();

private:
    QTemporaryDir m_home;
};

void TestHelp::initTestCase() {
    qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
}

void TestHelp::linksOpenTheMakersPages_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("address");

    const QString host = "http://www.harbordale.example";
    QTest::newRow("Velko Home") << "mnuHelpVelkoHome" << host + "/tools/freeware/velko/";
    QTest::newRow("Tutorial") << "mnuHelpTutorial" << host + "/tools/freeware/velko/tutorial/";
    QTest::newRow("Promote") << "mnuHelpPromote" << host + "/viewpoints/articles/promote.php";
    QTest::newRow("Support") << "mnuHelpSupportVelko"
                             << host + "/tools/freeware/velko/support%20velko";
    QTest::newRow("Online") << "mnuHelpVelkoOnline" << host + "/tools/velkoonline/";
}

// Each opens its page in the browser; one that cannot be opened says nothing.
void TestHelp::linksOpenTheMakersPages() {
    QFETCH(QString, item);
    QFETCH(QString, address);
    test::WindowDriver d;
    d.desktop().urlsOpen = false;
    TRIGGER(d, item);
    QCOMPARE(d.desktop().openedUrls.size(), 1);
    QCOMPARE(d.desktop().openedUrls[0].toString(QUrl::FullyEncoded), address);
    QVERIFY(d.desktop().messages.isEmpty());
}

void TestHelp::helpDocumentShowsTheContents() {
    test::WindowDriver d;
    d.showAndActivate();
    QTest::keyClick(&d.window(), Qt::Key_F1);
    QCOMPARE(d.desktop().helpShown, QList<QUrl>{QUrl("qrc:/help/index.html")});

    QSettings("velko", "velko").setValue("help/file", "/opt/help/index.html");
    TRIGGER(d, "mnuHelpContents");
    QSettings("velko", "velko").remove("help/file");
    QCOMPARE(d.desktop().helpShown.last(), QUrl::fromLocalFile("/opt/help/index.html"));

    QTest::keyClick(&d.window(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(d.desktop().aboutShown, 1);
}

void TestHelp::viewerFollowsLinksAndGoesBack() {
    HelpViewer viewer;
    viewer.showContents(QUrl("qrc:/help/index.html"));
    auto *browser = viewer.findChild<QTextBrowser *>("helpBrowser");
    QCOMPARE(browser->documentTitle(), "Velko Help");
    auto *back = viewer.findChild<QAction *>("helpBack");
    QVERIFY(!back->isEnabled());
    // Every page of the contents exists and links back to it.
    for (const char *page :
         {"form.html", "menus.html", "import.html", "document.html", "commandline.html"}) {
        browser->setSource(QUrl(page));
        QVERIFY2(browser->toPlainText().startsWith("Contents"), page);
        QVERIFY(back->isEnabled());
        back->trigger();
        QCOMPARE(browser->documentTitle(), "Velko Help");
    }
}

void TestHelp::viewerReportsAMissingFile() {
    HelpViewer viewer;
    viewer.showContents(QUrl::fromLocalFile(m_home.filePath("nowhere/index.html")));
    QVERIFY(viewer.findChild<QTextBrowser *>("helpBrowser")
                ->toPlainText()
                .contains("could not be found"));
}

void TestHelp::aboutBoxTexts() {
    test::ScriptedDesktop desktop;
    AboutBox box(desktop);
    QCOMPARE(box.windowTitle(), "About Velko");
    QCOMPARE(box.findChild<QLabel *>("lbl5")->text(), "Velko Version 1.31");
    QVERIFY(box.findChild<QLabel *>("lbl4")->text().contains("Copyright"));
    QCOMPARE(box.findChild<QLabel *>("ImgAbout")->pixmap().size(), QSize(326, 95));
    QCOMPARE(box.findChild<QLabel *>("lbl2")->toolTip(), "E-mail");
    QCOMPARE(box.findChild<QLabel *>("lbl1")->toolTip(), "Visit Harbordale");
    QCOMPARE(box.findChild<QLabel *>("lbl3")->toolTip(), "Visit Velko Home");
    for (const char *link : {"lbl1", "lbl2", "lbl3"})
        QVERIFY(box.findChild<QLabel *>(link)->text().contains("color:#808000"));
    QVERIFY(box.findChild<QLabel *>("Label1")->text().contains("font-weight:bold"));
    auto *ok = box.findChild<QPushButton *>("cmdOK");
    QCOMPARE(ok->text(), "Yep!");
    box.show();
    ok->click();
    QVERIFY(!box.isVisible());
}

void TestHelp::aboutBoxLinks_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("address");
    QTest::newRow("tagline") << "Label1"
                             << "http://www.harbordale.example/";
    QTest::newRow("e-mail") << "lbl2"
                            << "mailto:webmaster@harbordale.example";
    QTest::newRow("maker") << "lbl1"
                           << "http://www.harbordale.example/";
    QTest::newRow("program") << "lbl3"
                             << "http://www.harbordale.example/tools/freeware/velko";
}

void TestHelp::aboutBoxLinks() {
    QFETCH(QString, label);
    QFETCH(QString, address);
    test::ScriptedDesktop desktop;
    desktop.urlsOpen = false;
    AboutBox box(desktop);
    auto *link = box.findChild<QLabel *>(label);
    QVERIFY(link->text().contains(address));
    Q_EMIT link->linkActivated(address);
    QCOMPARE(desktop.openedUrls, QList<QUrl>{QUrl(address)});
    QVERIFY(desktop.messages.isEmpty());
}

// Centred on the screen each time it is shown, wherever its owner stands.
void TestHelp::aboutBoxIsCentred() {
    test::ScriptedDesktop desktop;
    QWidget owner;
    owner.move(10, 10);
    owner.show();
    for (int time = 0; time < 2; ++time) {
        auto *box = new AboutBox(desktop, &owner);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box));
        const QRect screen = box->screen()->geometry();
        const QRect frame = box->frameGeometry();
        QVERIFY(qAbs(frame.center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(frame.center().y() - screen.center().y()) <= 1);
        box->close();
        owner.move(300, 200);
    }
}

QTEST_MAIN(TestHelp)
#include "test_help.moc"
