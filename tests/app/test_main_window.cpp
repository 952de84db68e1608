#include "app/MainWindow.h"
#include "fields/FormLayout.h"
#include "support/WindowDriver.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

using namespace velko;

class TestMainWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startUp();
    void menuRulesThroughMenus();
    void tagsMenuAfterClearingTheForm();
    void fillAndClear();
    void generationOnPageSwitches();
    void generateTagsShowsTheBlock();
    void typedListTextIsNotChosen_data();
    void typedListTextIsNotChosen();
    void choosingFromTheListChooses();
    void shortcutsObeyTheRules();
    void editingKeysStayInTextFields();
    void accessibleNamesAndDescriptions();
    void tabOrderFollowsTheRows();
    void exitClosesWithoutAsking();

private:
    std::unique_ptr<test::WindowDriver> m_driver;
    test::WindowDriver &d() { return *m_driver; }
    QTabWidget *tabs() { return d().find<QTabWidget>("TabStrip1"); }
    QString tagsText() { return d().tagsArea()->toPlainText(); }
};

void TestMainWindow::init() {
    m_driver = std::make_unique<test::WindowDriver>();
}

void TestMainWindow::cleanup() {
    QCOMPARE(d().desktop().unexpected, 0);
    m_driver.reset();
}

void TestMainWindow::startUp() {
    QCOMPARE(d().window().windowTitle(), "Velko");
    QCOMPARE(tabs()->currentIndex(), 0);
    const QStringList captions = {"General Tags", "D.C. Tags", "Other Tags", "Generated Tags",
                                  "HTML File"};
    for (int i = 0; i < captions.size(); ++i)
        QCOMPARE(tabs()->tabText(i), captions[i]);
    for (QAction *item : d().window().findChildren<QAction *>())
        QVERIFY2(item->isEnabled(), qPrintable(item->objectName()));

    d().showAndActivate();
    QCOMPARE(QApplication::focusWidget(), d().find<QWidget>(fieldObjectName(Field::Title)));

    d().openMenu("mnuForm");
    QVERIFY(!d().action("mnuFormClearAll")->isEnabled());
    QVERIFY(d().action("mnuFormFill")->isEnabled());
    d().openMenu("mnuTags");
    for (const char *name : {"mnuTagsGenerate", "mnuTagsInsert", "mnuTagsCopy", "mnuTagsSaveAs"})
        QVERIFY2(!d().action(name)->isEnabled(), name);
}

void TestMainWindow::menuRulesThroughMenus() {
    auto *document = d().find<QPlainTextEdit>("rtfFile");
    document->setPlainText("x");
    d().openMenu("mnuFile");
    QVERIFY(d().action("mnuFileSave")->isEnabled());
    QVERIFY(d().action("mnuFileSaveAs")->isEnabled());
    QVERIFY(d().action("mnuFileClose")->isEnabled());
    document->clear();
    d().openMenu("mnuFile");
    QVERIFY(!d().action("mnuFileSave")->isEnabled());
    QVERIFY(!d().action("mnuFileSaveAs")->isEnabled());
    QVERIFY(!d().action("mnuFileClose")->isEnabled());
    QVERIFY(d().action("mnuFileNew")->isEnabled());

    // A comment box alone leaves the form empty; a Dublin Core box does not.
    d().find<QCheckBox>("chkTitleComments")->setChecked(true);
    d().openMenu("mnuForm");
    QVERIFY(!d().action("mnuFormClearAll")->isEnabled());
    d().openMenu("mnuTags");
    QVERIFY(!d().action("mnuTagsGenerate")->isEnabled());
    d().find<QCheckBox>("chkDCTitle")->setChecked(true);
    d().openMenu("mnuForm");
    QVERIFY(d().action("mnuFormClearAll")->isEnabled());
    d().openMenu("mnuTags");
    QVERIFY(d().action("mnuTagsGenerate")->isEnabled());

    // A value in a hidden slot counts as well.
    d().find<QCheckBox>("chkDCTitle")->setChecked(false);
    d().find<QLineEdit>(fieldObjectName(Field::PragmaSlot))->setText("no-cache");
    d().openMenu("mnuForm");
    QVERIFY(d().action("mnuFormClearAll")->isEnabled());
}

void TestMainWindow::tagsMenuAfterClearingTheForm() {
    d().find<QPlainTextEdit>("rtfFile")->setPlainText("<html><head></head></html>");
    TRIGGER(d(), "mnuFormFill");
    TRIGGER(d(), "mnuTagsGenerate");
    TRIGGER(d(), "mnuFormClearAll");
    d().openMenu("mnuTags");
    QVERIFY(!d().action("mnuTagsGenerate")->isEnabled());
    QVERIFY(d().action("mnuTagsInsert")->isEnabled());
    QVERIFY(d().action("mnuTagsCopy")->isEnabled());
    QVERIFY(d().action("mnuTagsSaveAs")->isEnabled());
}

void TestMainWindow::fillAndClear() {
    d().find<QLineEdit>(fieldObjectName(Field::OtherLanguage))->setText("pt-br");
    d().find<QPlainTextEdit>("rtfFile")->setPlainText("doc");
    TRIGGER(d(), "mnuFormFill");
    QCOMPARE(d().text(Field::OtherLanguage), "pt-br");
    QCOMPARE(d().find<QComboBox>("cboLang")->currentText(), "en");
    QCOMPARE(d().find<QComboBox>("cboCharset")->currentIndex(), 2);
    QCOMPARE(d().text(Field::Email), "webmaster@harbordale.example");
    for (const CheckEntry &entry : allChecks())
        QVERIFY(d().find<QCheckBox>(entry.objectName)->isChecked());
    QCOMPARE(tabs()->currentIndex(), 0);
    QCOMPARE(tagsText(), "");

    TRIGGER(d(), "mnuTagsGenerate");
    const QString block = tagsText();
    TRIGGER(d(), "mnuFormClearAll");
    for (const FieldEntry &entry : allFields())
        QVERIFY2(d().text(entry.field).isEmpty(), entry.name);
    for (const ListEntry &entry : allLists()) {
        QCOMPARE(d().find<QComboBox>(entry.objectName)->currentIndex(), -1);
        QCOMPARE(d().find<QComboBox>(entry.objectName)->currentText(), "");
    }
    for (const CheckEntry &entry : allChecks())
        QVERIFY(!d().find<QCheckBox>(entry.objectName)->isChecked());
    QCOMPARE(tagsText(), block);
    QCOMPARE(d().find<QPlainTextEdit>("rtfFile")->toPlainText(), "doc");
}

void TestMainWindow::generationOnPageSwitches() {
    QSignalSpy generated(&d().window(), &MainWindow::tagsGenerated);
    d().window().selectPage(Page::GeneratedTags);
    QCOMPARE(generated.count(), 1);
    d().window().selectPage(Page::GeneratedTags);
    QCOMPARE(generated.count(), 1);
    tabs()->setCurrentIndex(2);
    tabs()->setCurrentIndex(3);
    QCOMPARE(generated.count(), 2);

    // From another page the menu command generates, selects page 4 and so
    // generates once more; on page 4 it generates once.
    d().window().selectPage(Page::General);
    TRIGGER(d(), "mnuFormFill");
    TRIGGER(d(), "mnuTagsGenerate");
    QCOMPARE(generated.count(), 4);
    TRIGGER(d(), "mnuTagsGenerate");
    QCOMPARE(generated.count(), 5);
}

void TestMainWindow::generateTagsShowsTheBlock() {
    d().find<QLineEdit>(fieldObjectName(Field::Title))->setText("Homepage");
    d().find<QPlainTextEdit>(fieldObjectName(Field::Keywords))->setPlainText("a\nb");
    TRIGGER(d(), "mnuTagsGenerate");
    QCOMPARE(tabs()->currentIndex(), 3);
    QCOMPARE(tagsText(), "<title>Homepage</title>\n<meta name=\"keywords\" content=\"a\nb\">\n");
    d().showAndActivate();
    QCOMPARE(QApplication::focusWidget(), d().find<QWidget>("rtfTags"));

    // An empty form gives an empty block on page 4, without a message.
    TRIGGER(d(), "mnuFormClearAll");
    tabs()->setCurrentIndex(0);
    tabs()->setCurrentIndex(3);
    QCOMPARE(tagsText(), "");
    QVERIFY(d().desktop().messages.isEmpty());
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
    // Typed text leaves the form empty: no Generate Tags, and page 4 stays empty.
    d().openMenu("mnuTags");
    QVERIFY(!d().action("mnuTagsGenerate")->isEnabled());
    d().window().selectPage(Page::GeneratedTags);
    QCOMPARE(tagsText(), "");
}

void TestMainWindow::choosingFromTheListChooses() {
    d().showAndActivate();
    auto *rating = d().find<QComboBox>("cboRating");
    rating->setFocus();
    QTest::keyClick(rating, Qt::Key_Down);
    QTest::keyClick(rating, Qt::Key_Down);
    QCOMPARE(rating->currentIndex(), 1);
    TRIGGER(d(), "mnuTagsGenerate");
    QCOMPARE(tagsText(), "<meta name=\"rating\" content=\"14 Years\">\n");
}

// A shortcut acts only when its item would be enabled were its menu opened at
// that moment, whatever the menu showed when it was last open.
void TestMainWindow::shortcutsObeyTheRules() {
    d().showAndActivate();
    d().window().selectPage(Page::DublinCore);
    QSignalSpy generated(&d().window(), &MainWindow::tagsGenerated);

    QTest::keyClick(&d().window(), Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(generated.count(), 0);

    d().openMenu("mnuTags"); // Generate Tags disabled: the form is empty
    d().find<QCheckBox>("chkDCSubject")->setChecked(true);
    QTest::keyClick(&d().window(), Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(generated.count(), 2);
    QCOMPARE(tabs()->currentIndex(), 3);
}

void TestMainWindow::editingKeysStayInTextFields() {
    d().showAndActivate();
    auto *title = d().find<QLineEdit>(fieldObjectName(Field::Title));
    title->setText("Homepage");
    title->setFocus();
    QTest::keyClick(title, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(title->selectedText(), "Homepage");
}

void TestMainWindow::accessibleNamesAndDescriptions() {
    for (const FormRow &row : formRows()) {
        for (Control control : {row.main, row.second}) {
            if (!control)
                continue;
            QString name;
            if (control.kind == Control::Kind::Text)
                name = fieldObjectName(Field(control.id));
            else if (control.kind == Control::Kind::List)
                name = listEntry(List(control.id)).objectName;
            else
                name = checkEntry(Check(control.id)).objectName;
            QWidget *widget = d().find<QWidget>(name);
            QCOMPARE(widget->accessibleName(), accessibleName(row, control));
            QVERIFY(widget->accessibleName().contains(controlLabel(control)));
            QCOMPARE(widget->accessibleDescription(), controlTooltip(control));
            QCOMPARE(widget->toolTip(), controlTooltip(control));
        }
    }
    QCOMPARE(d().find<QWidget>(fieldObjectName(Field::Keywords))->accessibleName(), "Keywords");
    QCOMPARE(d().find<QWidget>(fieldObjectName(Field::RefreshUrl))->accessibleName(),
             "Refresh, Go to");
    QCOMPARE(d().find<QWidget>(fieldObjectName(Field::RefreshSeconds))->accessibleName(),
             "Refresh, after sec.");
    QCOMPARE(d().find<QWidget>(fieldObjectName(Field::RefreshSeconds))->toolTip(),
             "Seconds before transfer");
    QCOMPARE(d().find<QCheckBox>("chkDCTitle")->text(), "Use Title");
    QCOMPARE(d().find<QCheckBox>("chkDCTitle")->toolTip(), "Name of the resource");
}

void TestMainWindow::tabOrderFollowsTheRows() {
    d().showAndActivate();
    const QList<QList<QString>> pages = {
        {"HTMLText_1", "HTMLText_2", "HTMLText_3", "HTMLText_4", "HTMLText_5", "HTMLText_6",
         "HTMLText_7", "HTMLText_10", "HTMLText_9", "HTMLText_11", "cboDistribution", "cboRobot",
         "cboRating"},
        {"chkDCTitle", "chkDCDescription", "HTMLText_19", "chkDCSubject", "HTMLText_21",
         "HTMLText_22", "HTMLText_23", "HTMLText_24", "HTMLText_25", "HTMLText_26", "HTMLText_27",
         "HTMLText_28", "HTMLText_29", "HTMLText_30", "HTMLText_31"},
        {"cboCharset", "cboLang", "HTMLText_15", "cboPageCaching", "HTMLText_33", "HTMLText_34",
         "HTMLText_35", "HTMLText_36", "chkTitleComments", "chkKeywordsComments",
         "chkDescriptionComments"},
    };
    for (int page = 0; page < pages.size(); ++page) {
        d().window().selectPage(Page(page + 1));
        for (const QString &expected : pages[page]) {
            QWidget *focus = QApplication::focusWidget();
            while (focus && focus->objectName().isEmpty())
                focus = focus->parentWidget(); // the edit box inside a list
            QCOMPARE(focus ? focus->objectName() : QString(), expected);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    }
}

void TestMainWindow::exitClosesWithoutAsking() {
    d().window().show();
    TRIGGER(d(), "mnuFormFill");
    TRIGGER(d(), "mnuFileExit");
    QVERIFY(!d().window().isVisible());
    QVERIFY(d().desktop().messages.isEmpty());
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
