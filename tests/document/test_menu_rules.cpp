#include "document/MenuRules.h"
#include "document/NewDocument.h"

#include <QTest>

using namespace velko;

class TestMenuRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rules_data();
    void rules();
};

void TestMenuRules::rules_data() {
    QTest::addColumn<bool>("formEmpty");
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("tags");
    QTest::addColumn<QString>("offered"); // Save, Close, Generate, Insert, Copy/Save Tags

    const QString skeleton = newDocumentSkeleton();
    QTest::newRow("start-up") << true << skeleton << ""
                              << "-C---";
    QTest::newRow("empty document") << false << ""
                                    << ""
                                    << "--G--";
    QTest::newRow("skeleton with a final line break") << true << skeleton + "\r\n"
                                                      << ""
                                                      << "SC---";
    QTest::newRow("skeleton in upper case") << true << skeleton.toUpper() << ""
                                            << "SC---";
    // An earlier block keeps Insert, Copy and Save Tags As offered.
    QTest::newRow("empty form, earlier tags") << true << skeleton << "t"
                                              << "-C-IT";
    QTest::newRow("tags but no document") << false << ""
                                          << "t"
                                          << "--G-T";
}

void TestMenuRules::rules() {
    QFETCH(bool, formEmpty);
    QFETCH(QString, document);
    QFETCH(QString, tags);
    QFETCH(QString, offered);
    const FileMenuState file = fileMenuRules(document);
    const TagsMenuState tagsMenu = tagsMenuRules(formEmpty, document, tags);
    QCOMPARE(file.saveAs, file.save);
    QCOMPARE(tagsMenu.saveAs, tagsMenu.copy);
    QCOMPARE(tagsMenu.update, tagsMenu.insert);
    const QString got = QString(file.save ? "S" : "-") + (file.close ? "C" : "-") +
                        (tagsMenu.generate ? "G" : "-") + (tagsMenu.insert ? "I" : "-") +
                        (tagsMenu.copy ? "T" : "-");
    QCOMPARE(got, offered);
    QCOMPARE(formMenuRules(formEmpty).clearAll, !formEmpty);
}

QTEST_APPLESS_MAIN(TestMenuRules)
#include "test_menu_rules.moc"
