#include "app/MenuRules.h"
#include "document/NewDocument.h"

#include <QTest>

using namespace velko;

class TestMenuRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fileMenu_data();
    void fileMenu();
    void formMenu();
    void tagsMenu_data();
    void tagsMenu();
};

void TestMenuRules::fileMenu_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<bool>("save");
    QTest::addColumn<bool>("close");

    const QString skeleton = newDocumentSkeleton();
    QTest::newRow("empty") << "" << false << false;
    QTest::newRow("skeleton") << skeleton << false << true;
    QTest::newRow("skeleton plus a character") << skeleton + "x" << true << true;
    QTest::newRow("skeleton with a final line break") << skeleton + "\r\n" << true << true;
    QTest::newRow("skeleton in upper case") << skeleton.toUpper() << true << true;
    QTest::newRow("skeleton with LF breaks")
        << QString(skeleton).replace("\r\n", "\n") << true << true;
    QTest::newRow("a blank") << " " << true << true;
}

void TestMenuRules::fileMenu() {
    QFETCH(QString, document);
    QFETCH(bool, save);
    QFETCH(bool, close);
    QCOMPARE(fileMenuRules(document), (FileMenuState{save, save, close}));
}

void TestMenuRules::formMenu() {
    QCOMPARE(formMenuRules(true).clearAll, false);
    QCOMPARE(formMenuRules(false).clearAll, true);
}

void TestMenuRules::tagsMenu_data() {
    QTest::addColumn<bool>("formEmpty");
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("tags");
    QTest::addColumn<bool>("generate");
    QTest::addColumn<bool>("insert");
    QTest::addColumn<bool>("copyAndSave");

    const QString doc = newDocumentSkeleton();
    const QString tags = "<title>a</title>\r\n";
    QTest::newRow("start-up") << true << doc << "" << false << false << false;
    QTest::newRow("filled form, no tags yet") << false << doc << "" << true << false << false;
    QTest::newRow("filled form, tags") << false << doc << tags << true << true << true;
    // An earlier block keeps Insert, Copy and Save Tags As offered.
    QTest::newRow("empty form, earlier tags") << true << doc << tags << false << true << true;
    QTest::newRow("tags but no document") << false << "" << tags << true << false << true;
}

void TestMenuRules::tagsMenu() {
    QFETCH(bool, formEmpty);
    QFETCH(QString, document);
    QFETCH(QString, tags);
    QFETCH(bool, generate);
    QFETCH(bool, insert);
    QFETCH(bool, copyAndSave);
    QCOMPARE(tagsMenuRules(formEmpty, document, tags),
             (TagsMenuState{generate, insert, copyAndSave, copyAndSave}));
}

QTEST_APPLESS_MAIN(TestMenuRules)
#include "test_menu_rules.moc"
