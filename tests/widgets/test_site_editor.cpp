// The site editor through the real window: File > Open Site reads the pages
// off the window's thread; an edited cell is marked; closing with edits asks
// Save, Discard or Cancel.

#include "support/TestFiles.h"
#include "support/WindowDriver.h"
#include "widgets/SiteEditor.h"

#include <QAction>
#include <QFont>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace velko;

class TestSiteEditor : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void closeWithEdits_data();
    void closeWithEdits();
};

void TestSiteEditor::closeWithEdits_data() {
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("closed");
    QTest::newRow("discard") << Answer::Discard << true;
    QTest::newRow("cancel") << Answer::Cancel << false;
}

void TestSiteEditor::closeWithEdits() {
    QFETCH(Answer, answer);
    QFETCH(bool, closed);
    QTemporaryDir dir;
    test::writeBytes(dir.filePath("a.html"), "<html><head><title>Old</title></head></html>");
    test::WindowDriver d;
    d.desktop().fileChoices << dir.path();
    d.window().findChild<QAction *>("mnuFileOpenSite")->trigger();
    QPointer<SiteEditor> editor = d.window().findChild<SiteEditor *>();
    QVERIFY(editor);
    QSignalSpy read(editor.data(), &SiteEditor::tableRead);
    QVERIFY(read.wait(10000));
    auto *view = editor->findChild<QTableView *>("tblSitePages");
    const QModelIndex title = view->model()->index(0, 1);
    QCOMPARE(title.data().toString(), "Old");
    QVERIFY(view->model()->setData(title, "New"));
    QVERIFY(title.data(Qt::FontRole).value<QFont>().bold());
    QCOMPARE(view->model()->index(0, 8).data().toString(), "changed");

    d.desktop().answers << answer;
    editor->close();
    QCOMPARE(d.desktop().messages.size(), 1);
    QCOMPARE(d.desktop().messages[0].buttons, Buttons::SaveDiscardCancel);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(editor.isNull(), closed);
    QCOMPARE(test::bytesOf(dir.filePath("a.html")), "<html><head><title>Old</title></head></html>");
    if (editor) {
        d.desktop().answers << Answer::Discard;
        editor->close();
    }
    QCOMPARE(d.desktop().unexpected, 0);
}

QTEST_MAIN(TestSiteEditor)
#include "test_site_editor.moc"
