#include "support/WindowDriver.h"
#include "widgets/AboutBox.h"
#include "widgets/HelpViewer.h"

#include <QLabel>
#include <QScreen>
#include <QTextBrowser>

using namespace velko;

class TestHelp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void menuItems_data();
    void menuItems();
    void viewerShowsEveryPage();
    void aboutBox();
};

void TestHelp::menuItems_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("address");
    const QString host = "http://www.harbordale.example";
    QTest::newRow("Velko Home") << "mnuHelpVelkoHome" << host + "/tools/freeware/velko/";
    QTest::newRow("Tutorial") << "mnuHelpTutorial" << host + "/tools/freeware/velko/tutorial/";
    QTest::newRow("Promote") << "mnuHelpPromote" << host + "/viewpoints/articles/promote.php";
    QTest::newRow("Support") << "mnuHelpSupportVelko"
                             << host + "/tools/freeware/velko/support%20velko";
    QTest::newRow("Online") << "mnuHelpVelkoOnline" << host + "/tools/velkoonline/";
    QTest::newRow("Help Document") << "mnuHelpContents"
                                   << "";
}

// Each link opens its page, saying nothing when it cannot; F1 shows the help.
void TestHelp::menuItems() {
    QFETCH(QString, item);
    QFETCH(QString, address);
    test::WindowDriver d;
    d.desktop().urlsOpen = false;
    if (address.isEmpty()) {
        d.showAndActivate();
        QTest::keyClick(&d.window(), Qt::Key_F1);
        QCOMPARE(d.desktop().helpShown, QList<QUrl>{QUrl("qrc:/help/index.html")});
        return;
    }
    TRIGGER(d, item);
    QCOMPARE(d.desktop().openedUrls.value(0).toString(QUrl::FullyEncoded), address);
    QVERIFY(d.desktop().messages.isEmpty());
}

void TestHelp::viewerShowsEveryPage() {
    HelpViewer viewer;
    viewer.showContents(QUrl("qrc:/help/index.html"));
    auto *browser = viewer.findChild<QTextBrowser *>("helpBrowser");
    for (const char *page :
         {"form.html", "menus.html", "import.html", "document.html", "commandline.html"}) {
        browser->setSource(QUrl(page));
        QVERIFY2(browser->toPlainText().startsWith("Contents"), page);
        browser->backward();
        QCOMPARE(browser->documentTitle(), "Velko Help");
    }
    viewer.showContents(QUrl::fromLocalFile("/nowhere/index.html"));
    QVERIFY(browser->toPlainText().contains("could not be found"));
}

// Centred on the screen, wherever its owner stands; each link opens its page.
void TestHelp::aboutBox() {
    test::ScriptedDesktop desktop;
    QWidget owner;
    owner.move(300, 200);
    owner.show();
    auto *box = new AboutBox(desktop, Settings{}, &owner);
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box));
    QVERIFY(qAbs(box->frameGeometry().center().x() - box->screen()->geometry().center().x()) <= 1);
    QVERIFY(qAbs(box->frameGeometry().center().y() - box->screen()->geometry().center().y()) <= 1);
    const QString site = "http://www.harbordale.example/";
    const std::pair<const char *, QString> links[] = {
        {"Label1", site},
        {"lbl2", "mailto:webmaster@harbordale.example"},
        {"lbl3", site + "tools/freeware/velko"},
    };
    for (const auto &[label, address] : links) {
        auto *link = box->findChild<QLabel *>(label);
        QVERIFY(link->text().contains(address));
        Q_EMIT link->linkActivated(address);
        QCOMPARE(desktop.openedUrls, QList<QUrl>{QUrl(address)});
        desktop.openedUrls.clear();
    }
}

QTEST_MAIN(TestHelp)
#include "test_help.moc"
