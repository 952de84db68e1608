#include "app/MainWindow.h"
#include "fields/FormLayout.h"
#include "support/ScriptedDesktop.h"

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
    template <typename T> T *find(const QString &name) {
        T *child = m_window->findChild<T *>(name);
        if (!child)
            qFatal("no child named %s", qPrintable(name));
        return child;
    }
    QAction *action(const QString &name) { return find<QAction>(name); }
    // Opens a menu the way a click would, which applies its rules, and closes it.
    void openMenu(const QString &name) {
        QMenu *menu = find<QMenu>(name);
        menu->popup(QPoint(0, 0));
        menu->hide();
    }
    void trigger(const QString &name) {
        QAction *item = action(name);
        QVERIFY2(item->isEnabled(), qPrintable(name));
        item->trigger();
    }
    QString text(Field field) {
        QWidget *w = find<QWidget>(fieldObjectName(field));
        if (auto *line = qobject_cast<QLineEdit *>(w))
            return line->text();
        return qobject_cast<QPlainTextEdit *>(w)->toPlainText();
    }
    QTabWidget *tabs() { return find<QTabWidget>("TabStrip1"); }
    QString tagsText() { return find<QPlainTextEdit>("rtfTags")->toPlainText(); }

    test::ScriptedDesktop *m_desktop = nullptr;
    MainWindow *m_window = nullptr;
};

void TestMainWindow::init() {
    m_desktop = new test::ScriptedDesktop;
    m_window = new MainWindow(*m_desktop);
}

void TestMainWindow::cleanup() {
    QCOMPARE(m_desktop->unexpected, 0);
    delete m_window;
    delete m_desktop;
}

void TestMainWindow::startUp() {
    QCOMPARE(m_window->windowTitle(), "Velko");
    QCOMPARE(tabs()->currentIndex(), 0);
    const QStringList captions = {"General Tags", "D.C. Tags", "Other Tags", "Generated Tags",
                                  "HTML File"};
    for (int i = 0; i < captions.size(); ++i)
        QCOMPARE(tabs()->tabText(i), captions[i]);
    for (QAction *item : m_window->findChildren<QAction *>())
        QVERIFY2(item->isEnabled(), qPrintable(item->objectName()));

    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(QApplication::focusWidget(), find<QWidget>(fieldObjectName(Field::Title)));

    openMenu("mnuForm");
    QVERIFY(!action("mnuFormClearAll")->isEnabled());
    QVERIFY(action("mnuFormFill")->isEnabled());
    openMenu("mnuTags");
    for (const char *name : {"mnuTagsGenerate", "mnuTagsInsert", "mnuTagsCopy", "mnuTagsSaveAs"})
        QVERIFY2(!action(name)->isEnabled(), name);
}

void TestMainWindow::menuRulesThroughMenus() {
    auto *document = find<QPlainTextEdit>("rtfFile");
    document->setPlainText("x");
    openMenu("mnuFile");
    QVERIFY(action("mnuFileSave")->isEnabled());
    QVERIFY(action("mnuFileSaveAs")->isEnabled());
    QVERIFY(action("mnuFileClose")->isEnabled());
    document->clear();
    openMenu("mnuFile");
    QVERIFY(!action("mnuFileSave")->isEnabled());
    QVERIFY(!action("mnuFileSaveAs")->isEnabled());
    QVERIFY(!action("mnuFileClose")->isEnabled());
    QVERIFY(action("mnuFileNew")->isEnabled());

    // A comment box alone leaves the form empty; a Dublin Core box does not.
    find<QCheckBox>("chkTitleComments")->setChecked(true);
    openMenu("mnuForm");
    QVERIFY(!action("mnuFormClearAll")->isEnabled());
    openMenu("mnuTags");
    QVERIFY(!action("mnuTagsGenerate")->isEnabled());
    find<QCheckBox>("chkDCTitle")->setChecked(true);
    openMenu("mnuForm");
    QVERIFY(action("mnuFormClearAll")->isEnabled());
    openMenu("mnuTags");
    QVERIFY(action("mnuTagsGenerate")->isEnabled());

    // A value in a hidden slot counts as well.
    find<QCheckBox>("chkDCTitle")->setChecked(false);
    find<QLineEdit>(fieldObjectName(Field::PragmaSlot))->setText("no-cache");
    openMenu("mnuForm");
    QVERIFY(action("mnuFormClearAll")->isEnabled());
}

void TestMainWindow::tagsMenuAfterClearingTheForm() {
    find<QPlainTextEdit>("rtfFile")->setPlainText("<html><head></head></html>");
    trigger("mnuFormFill");
    trigger("mnuTagsGenerate");
    trigger("mnuFormClearAll");
    openMenu("mnuTags");
    QVERIFY(!action("mnuTagsGenerate")->isEnabled());
    QVERIFY(action("mnuTagsInsert")->isEnabled());
    QVERIFY(action("mnuTagsCopy")->isEnabled());
    QVERIFY(action("mnuTagsSaveAs")->isEnabled());
}

void TestMainWindow::fillAndClear() {
    find<QLineEdit>(fieldObjectName(Field::OtherLanguage))->setText("pt-br");
    find<QPlainTextEdit>("rtfFile")->setPlainText("doc");
    trigger("mnuFormFill");
    QCOMPARE(text(Field::OtherLanguage), "pt-br");
    QCOMPARE(find<QComboBox>("cboLang")->currentText(), "en");
    QCOMPARE(find<QComboBox>("cboCharset")->currentIndex(), 2);
    QCOMPARE(text(Field::Email), "webmaster@harbordale.example");
    for (const CheckSpec &spec : allChecks())
        QVERIFY(find<QCheckBox>(spec.objectName)->isChecked());
    QCOMPARE(tabs()->currentIndex(), 0);
    QCOMPARE(tagsText(), "");

    trigger("mnuTagsGenerate");
    const QString block = tagsText();
    trigger("mnuFormClearAll");
    for (const FieldSpec &spec : allFields())
        QVERIFY2(text(spec.field).isEmpty(), spec.name);
    for (const ListSpec &spec : allLists()) {
        QCOMPARE(find<QComboBox>(spec.objectName)->currentIndex(), -1);
        QCOMPARE(find<QComboBox>(spec.objectName)->currentText(), "");
    }
    for (const CheckSpec &spec : allChecks())
        QVERIFY(!find<QCheckBox>(spec.objectName)->isChecked());
    QCOMPARE(tagsText(), block);
    QCOMPARE(find<QPlainTextEdit>("rtfFile")->toPlainText(), "doc");
}

void TestMainWindow::generationOnPageSwitches() {
    QSignalSpy generated(m_window, &MainWindow::tagsGenerated);
    m_window->selectPage(Page::GeneratedTags);
    QCOMPARE(generated.count(), 1);
    m_window->selectPage(Page::GeneratedTags);
    QCOMPARE(generated.count(), 1);
    tabs()->setCurrentIndex(2);
    tabs()->setCurrentIndex(3);
    QCOMPARE(generated.count(), 2);

    // From another page the menu command generates, selects page 4 and so
    // generates once more; on page 4 it generates once.
    m_window->selectPage(Page::General);
    trigger("mnuFormFill");
    trigger("mnuTagsGenerate");
    QCOMPARE(generated.count(), 4);
    trigger("mnuTagsGenerate");
    QCOMPARE(generated.count(), 5);
}

void TestMainWindow::generateTagsShowsTheBlock() {
    find<QLineEdit>(fieldObjectName(Field::Title))->setText("Homepage");
    find<QPlainTextEdit>(fieldObjectName(Field::Keywords))->setPlainText("a\nb");
    trigger("mnuTagsGenerate");
    QCOMPARE(tabs()->currentIndex(), 3);
    QCOMPARE(tagsText(), "<title>Homepage</title>\n<meta name=\"keywords\" content=\"a\nb\">\n");
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(QApplication::focusWidget(), find<QWidget>("rtfTags"));

    // An empty form gives an empty block on page 4, without a message.
    trigger("mnuFormClearAll");
    tabs()->setCurrentIndex(0);
    tabs()->setCurrentIndex(3);
    QCOMPARE(tagsText(), "");
    QVERIFY(m_desktop->messages.isEmpty());
}

void TestMainWindow::typedListTextIsNotChosen_data() {
    QTest::addColumn<bool>("pressEnter");
    QTest::newRow("Enter") << true;
    QTest::newRow("focus leaves") << false;
}

void TestMainWindow::typedListTextIsNotChosen() {
    QFETCH(bool, pressEnter);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    auto *robot = find<QComboBox>("cboRobot");
    robot->setFocus();
    QTest::keyClicks(robot->lineEdit(), "noindex");
    if (pressEnter)
        QTest::keyClick(robot->lineEdit(), Qt::Key_Return);
    find<QWidget>(fieldObjectName(Field::Title))->setFocus();
    QCOMPARE(robot->currentIndex(), -1);
    QCOMPARE(robot->currentText(), "noindex");
    trigger("mnuTagsGenerate");
    QCOMPARE(tagsText(), "");
}

void TestMainWindow::choosingFromTheListChooses() {
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    auto *rating = find<QComboBox>("cboRating");
    rating->setFocus();
    QTest::keyClick(rating, Qt::Key_Down);
    QTest::keyClick(rating, Qt::Key_Down);
    QCOMPARE(rating->currentIndex(), 1);
    trigger("mnuTagsGenerate");
    QCOMPARE(tagsText(), "<meta name=\"rating\" content=\"14 Years\">\n");
}

// A shortcut acts only when its item would be enabled were its menu opened at
// that moment, whatever the menu showed when it was last open.
void TestMainWindow::shortcutsObeyTheRules() {
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_window->selectPage(Page::DublinCore);
    QSignalSpy generated(m_window, &MainWindow::tagsGenerated);

    QTest::keyClick(m_window, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(generated.count(), 0);

    openMenu("mnuTags"); // Generate Tags disabled: the form is empty
    find<QCheckBox>("chkDCSubject")->setChecked(true);
    QTest::keyClick(m_window, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(generated.count(), 2);
    QCOMPARE(tabs()->currentIndex(), 3);
}

void TestMainWindow::editingKeysStayInTextFields() {
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    auto *title = find<QLineEdit>(fieldObjectName(Field::Title));
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
                name = listSpec(List(control.id)).objectName;
            else
                name = checkSpec(Check(control.id)).objectName;
            QWidget *widget = find<QWidget>(name);
            QCOMPARE(widget->accessibleName(), accessibleName(row, control));
            QVERIFY(widget->accessibleName().contains(controlLabel(control)));
            QCOMPARE(widget->accessibleDescription(), controlTooltip(control));
            QCOMPARE(widget->toolTip(), controlTooltip(control));
        }
    }
    QCOMPARE(find<QWidget>(fieldObjectName(Field::Keywords))->accessibleName(), "Keywords");
    QCOMPARE(find<QWidget>(fieldObjectName(Field::RefreshUrl))->accessibleName(), "Refresh, Go to");
    QCOMPARE(find<QWidget>(fieldObjectName(Field::RefreshSeconds))->accessibleName(),
             "Refresh, after sec.");
    QCOMPARE(find<QWidget>(fieldObjectName(Field::RefreshSeconds))->toolTip(),
             "Seconds before transfer");
    QCOMPARE(find<QCheckBox>("chkDCTitle")->text(), "Use Title");
    QCOMPARE(find<QCheckBox>("chkDCTitle")->toolTip(), "Name of the resource");
}

void TestMainWindow::tabOrderFollowsTheRows() {
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
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
        m_window->selectPage(Page(page + 1));
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
    m_window->show();
    trigger("mnuFormFill");
    trigger("mnuFileExit");
    QVERIFY(!m_window->isVisible());
    QVERIFY(m_desktop->messages.isEmpty());
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
