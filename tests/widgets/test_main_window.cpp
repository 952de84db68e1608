#include "fields/FormLayout.h"
#include "support/WindowDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabWidget>

using namespace velko;

class TestMainWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_driver = std::make_unique<test::WindowDriver>(); }
    void cleanup() { QCOMPARE(d().desktop().unexpected, 0); }

    void startUp();
    void formMenuFollowsTheForm();
    void fillAndClear();
    void generationOnPageSwitches();
    void typedListTextIsNotChosen_data();
    void typedListTextIsNotChosen();
    void shortcutsObeyTheRules();
    void everyControlCarriesItsLabel();
    void tabOrderFollowsTheRows();

private:
    std::unique_ptr<test::WindowDriver> m_driver;
    test::WindowDriver &d() { return *m_driver; }
    QTabWidget *tabs() { return d().find<QTabWidget>("TabStrip1"); }
};

void TestMainWindow::startUp() {
    QCOMPARE(d().window().windowTitle(), "Velko");
    QCOMPARE(tabs()->tabText(3), "Generated Tags");
    for (QAction *item : d().window().findChildren<QAction *>())
        QVERIFY2(item->isEnabled(), qPrintable(item->objectName()));
    d().showAndActivate();
    QCOMPARE(QApplication::focusWidget(), d().find<QWidget>(fieldObjectName(Field::Title)));
    d().openMenu("mnuTags");
    for (const char *name :
         {"mnuTagsGenerate", "mnuTagsInsert", "mnuTagsUpdate", "mnuTagsCopy", "mnuTagsSaveAs"})
        QVERIFY2(!d().action(name)->isEnabled(), name);
}

void TestMainWindow::formMenuFollowsTheForm() {
    d().find<QCheckBox>("chkTitleComments")->setChecked(true);
    d().openMenu("mnuForm");
    QVERIFY(!d().action("mnuFormClearAll")->isEnabled());
    d().find<QCheckBox>("chkDCTitle")->setChecked(true);
    d().openMenu("mnuForm");
    QVERIFY(d().action("mnuFormClearAll")->isEnabled());
}

void TestMainWindow::fillAndClear() {
    d().setText(Field::OtherLanguage, "pt-br");
    TRIGGER(d(), "mnuFormFill");
    QCOMPARE(d().find<QComboBox>("cboLang")->currentText(), "en");
    QCOMPARE(d().window().form()[Field::OtherLanguage], "pt-br");
    TRIGGER(d(), "mnuTagsGenerate");
    const QString block = d().window().tagsText();
    TRIGGER(d(), "mnuFormClearAll");
    QVERIFY(isFormEmpty(d().window().form()));
    QCOMPARE(d().find<QComboBox>("cboLang")->currentText(), "");
    QCOMPARE(d().window().tagsText(), block);
}

// Arriving on "Generated Tags" generates; Generate Tags from another page
// runs once more through that arrival, and no further.
void TestMainWindow::generationOnPageSwitches() {
    QSignalSpy generated(&d().window(), &MainWindow::tagsGenerated);
    d().window().selectPage(Page::GeneratedTags);
    d().window().selectPage(Page::GeneratedTags);
    QCOMPARE(generated.count(), 1);
    tabs()->setCurrentIndex(2);
    tabs()->setCurrentIndex(3);
    QCOMPARE(generated.count(), 2);
    d().window().selectPage(Page::General);
    TRIGGER(d(), "mnuFormFill");
    TRIGGER(d(), "mnuTagsGenerate");
    QCOMPARE(generated.count(), 4);
    TRIGGER(d(), "mnuTagsGenerate");
    QCOMPARE(generated.count(), 5);
}

void TestMainWindow::typedListTextIsNotChosen_data() {
    QTest::addColumn<bool>("pressEnter");
    QTest::newRow("Enter") << true;
    QTest::newRow("focus leaves") << false;
}

void TestMainWindow::typedListTextIsNotChosen() {
    QFETCH(bool, pressEnter);
    d().showAndActivate();
    auto *robot = d().find<QComboBox>("cboRobot");
    robot->setFocus();
    QTest::keyClicks(robot->lineEdit(), "noindex");
    if (pressEnter)
        QTest::keyClick(robot->lineEdit(), Qt::Key_Return);
    d().find<QWidget>(fieldObjectName(Field::Title))->setFocus();
    QCOMPARE(robot->currentIndex(), -1);
    QCOMPARE(robot->currentText(), "noindex");
    QTest::keyClick(robot, Qt::Key_Down); // choosing from the list does choose
    QCOMPARE(robot->currentIndex(), 0);
}

// A shortcut acts as its item would if its menu were opened now; in a text
// field the editing keys stay with the text.
void TestMainWindow::shortcutsObeyTheRules() {
    d().showAndActivate();
    QSignalSpy generated(&d().window(), &MainWindow::tagsGenerated);
    QTest::keyClick(&d().window(), Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(generated.count(), 0);
    d().openMenu("mnuTags"); // Generate Tags is disabled here
    auto *title = d().find<QLineEdit>(fieldObjectName(Field::Title));
    title->setText("Home");
    title->setFocus();
    QTest::keyClick(title, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(title->selectedText(), "Home");
    QTest::keyClick(title, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(generated.count(), 2);
}

void TestMainWindow::everyControlCarriesItsLabel() {
    for (const FormRow &row : formRows()) {
        for (Control control : {row.main, row.second}) {
            if (!control)
                continue;
            QString name = fieldObjectName(Field(control.id));
            if (control.kind == Control::Kind::List)
                name = listEntry(List(control.id)).objectName;
            else if (control.kind == Control::Kind::Check)
                name = checkEntry(Check(control.id)).objectName;
            QWidget *widget = d().find<QWidget>(name);
            QVERIFY(widget->accessibleName().contains(controlLabel(control)));
            QCOMPARE(widget->accessibleDescription(), controlTooltip(control));
            QCOMPARE(widget->toolTip(), controlTooltip(control));
        }
    }
}

void TestMainWindow::tabOrderFollowsTheRows() {
    d().showAndActivate();
    d().window().selectPage(Page::Other);
    for (const char *expected :
         {"cboCharset", "cboLang", "HTMLText_15", "cboPageCaching", "HTMLText_33", "HTMLText_34",
          "HTMLText_35", "HTMLText_36", "chkTitleComments", "chkKeywordsComments"}) {
        QWidget *focus = QApplication::focusWidget();
        while (focus->objectName().isEmpty())
            focus = focus->parentWidget(); // the edit box inside a list
        QCOMPARE(focus->objectName(), expected);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
