#include "document/NewDocument.h"
#include "support/TestForms.h"
#include "support/WindowDriver.h"
#include "widgets/TextArea.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTreeWidget>
#include <QWheelEvent>

using namespace velko;

class TestMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<test::WindowDriver> m_driver;
    test::WindowDriver &d() { return *m_driver; }

private Q_SLOTS:
    void init() { m_driver = std::make_unique<test::WindowDriver>(); }
    void cleanup() { QCOMPARE(d().desktop().unexpected, 0); }

    void menuRules_data() {
        QTest::addColumn<QByteArray>("form");
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("tags");
        // S Save, A Save As, C Close, X Clear Form Fields, G Generate, I Insert, T Copy Tags,
        // V Save Tags As, K Check Page; "-" where the item is not offered.
        QTest::addColumn<QString>("offered");
        const auto row = [](const char *name, const char *form, const QString &document,
                            const char *tags, const char *offered) {
            QTest::newRow(name) << QByteArray(form) << document << QString(tags)
                                << QString(offered);
        };
        const QString skeleton = newDocumentSkeleton();
        // Comment boxes and blank typed list text do not count; any text, a
        // hidden slot's and a list's typed text too, does.
        const char *empty = R"({"Use Title as Comment": true, "Robot": "  "})";
        row("an empty form", empty, skeleton, "", "--C-----K");
        row("a blank last field", R"({"Comments": " "})", skeleton, "", "--CXG---K");
        row("a hidden slot", R"({"Robots slot": "x"})", skeleton, "", "--CXG---K");
        row("a chosen item", R"({"Robot": "all"})", skeleton, "", "--CXG---K");
        row("typed list text", R"({"Robot": "noindex, nofollow"})", skeleton, "", "--CXG---K");
        row("a Dublin Core box", R"({"Use Keywords": true})", skeleton, "", "--CXG---K");
        row("a Web Tags box", R"({"Fill Open Graph from General Tags": true})", skeleton, "",
            "--CXG---K");
        row("skeleton with a final line break", empty, skeleton + "\r\n", "", "SAC-----K");
        row("skeleton in upper case", empty, skeleton.toUpper(), "", "SAC-----K");
        row("no document", R"({"Title": "T"})", "", "", "---XG----");
        // An earlier block keeps Insert, Copy and Save Tags As offered.
        row("empty form, earlier tags", empty, skeleton, "t", "--C--ITVK");
        row("tags but no document", R"({"Title": "T"})", "", "t", "---XG-TV-");
    }
    void menuRules() {
        QFETCH(QByteArray, form);
        QFETCH(QString, document);
        QFETCH(QString, tags);
        QFETCH(QString, offered);
        d().window().setForm(test::formOf(form));
        d().window().setDocumentText(document);
        d().window().setTagsText(tags);
        for (const char *menu : {"mnuFile", "mnuForm", "mnuTags"})
            d().openMenu(menu);
        QString got;
        const std::pair<const char *, char> items[] = {
            {"mnuFileSave", 'S'},     {"mnuFileSaveAs", 'A'},   {"mnuFileClose", 'C'},
            {"mnuFormClearAll", 'X'}, {"mnuTagsGenerate", 'G'}, {"mnuTagsInsert", 'I'},
            {"mnuTagsCopy", 'T'},     {"mnuTagsSaveAs", 'V'},   {"mnuTagsCheck", 'K'},
        };
        for (const auto &[item, letter] : items)
            got += d().action(item)->isEnabled() ? letter : '-';
        QCOMPARE(got, offered);
        QCOMPARE(d().action("mnuTagsUpdate")->isEnabled(),
                 d().action("mnuTagsInsert")->isEnabled());
    }

    // A shortcut acts as its item would if its menu were opened now; in a text
    // field the editing keys stay with the text.
    void shortcutsObeyTheRules() {
        d().showAndActivate();
        QSignalSpy generated(&d().window(), &MainWindow::tagsGenerated);
        QTest::keyClick(&d().window(), Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(generated.count(), 0);
        d().openMenu("mnuTags"); // Generate Tags is disabled here
        auto *title = d().find<QLineEdit>(objectNameOf(Field::Title));
        title->setText("Home");
        title->setFocus();
        QTest::keyClick(title, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(title->selectedText(), "Home");
        QTest::keyClick(title, Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(generated.count(), 2);
    }

    // Other Language and the Web Tags page are not part of the examples; Clear
    // leaves the generated tags alone.
    void fillAndClear() {
        d().setText(Field::OtherLanguage, "pt-br");
        d().find<QComboBox>("cboOgType")->setCurrentIndex(1);
        d().setText(Field::OgImage, "i.png");
        const FormValue web = test::onPage(d().window().form(), Page::WebTags);
        TRIGGER(d(), "mnuFormFill");
        QCOMPARE(d().text(Field::OtherLanguage), "pt-br");
        QCOMPARE(test::onPage(d().window().form(), Page::WebTags), web);
        TRIGGER(d(), "mnuTagsGenerate");
        const QString block = d().window().tagsText();
        TRIGGER(d(), "mnuFormClearAll");
        QCOMPARE(d().window().form(), FormValue{});
        QCOMPARE(d().window().tagsText(), block);
    }

    // All six captions show, in order, each whole.
    void tabCaptions() {
        const QStringList captions = {"General Tags", "D.C. Tags",      "Other Tags",
                                      "Web Tags",     "Generated Tags", "HTML File"};
        d().showAndActivate();
        const QTabBar *bar = d().find<QTabWidget>("TabStrip1")->tabBar();
        QCOMPARE(bar->count(), captions.size());
        for (int i = 0; i < captions.size(); ++i) {
            QCOMPARE(bar->tabText(i), captions[i]);
            QVERIFY(bar->tabRect(i).width() > bar->fontMetrics().horizontalAdvance(captions[i]));
        }
        QVERIFY(bar->tabRect(captions.size() - 1).right() < bar->width());
    }

    // The next window opens where the last one closed, and as large.
    void keepsSizeAndPlace() {
        d().showAndActivate();
        d().window().setGeometry(QRect(40, 60, 700, 500));
        QVERIFY(d().window().close());
        MainWindow next(d().desktop(), {}, d().store());
        next.show();
        QCOMPARE(next.geometry(), QRect(40, 60, 700, 500));
    }

    // Arriving on "Generated Tags" generates; Generate Tags from another page
    // runs once more through that arrival, and no further.
    void generationOnPageSwitches() {
        QSignalSpy generated(&d().window(), &MainWindow::tagsGenerated);
        d().window().selectPage(Page::GeneratedTags);
        d().window().selectPage(Page::GeneratedTags);
        QCOMPARE(generated.count(), 1);
        auto *tabs = d().find<QTabWidget>("TabStrip1");
        tabs->setCurrentIndex(int(Page::WebTags) - 1);
        tabs->setCurrentIndex(int(Page::GeneratedTags) - 1);
        QCOMPARE(generated.count(), 2);
        d().window().selectPage(Page::General);
        TRIGGER(d(), "mnuFormFill");
        TRIGGER(d(), "mnuTagsGenerate");
        QCOMPARE(generated.count(), 4);
        TRIGGER(d(), "mnuTagsGenerate");
        QCOMPARE(generated.count(), 5);
    }

    void typedListTextIsNotChosen_data() {
        QTest::addColumn<bool>("pressEnter");
        QTest::newRow("Enter") << true;
        QTest::newRow("focus leaves") << false;
    }
    void typedListTextIsNotChosen() {
        QFETCH(bool, pressEnter);
        d().showAndActivate();
        auto *robot = d().find<QComboBox>("cboRobot");
        robot->setFocus();
        QTest::keyClicks(robot->lineEdit(), "noindex");
        if (pressEnter)
            QTest::keyClick(robot->lineEdit(), Qt::Key_Return);
        d().find<QWidget>(objectNameOf(Field::Title))->setFocus();
        QCOMPARE(robot->currentIndex(), -1);
        QCOMPARE(robot->currentText(), "noindex");
        QTest::keyClick(robot, Qt::Key_Down); // choosing from the list does choose
        QCOMPARE(robot->currentIndex(), 0);
        QTest::keyClick(robot->lineEdit(), Qt::Key_End); // the item's text edited is typed
        QTest::keyClicks(robot->lineEdit(), " but no cache");
        QCOMPARE(d().window().form()[List::Robot], (ListValue{-1, "all but no cache"}));
    }

    // The focus starts on Title; arriving on a page focuses its first row, and
    // Tab follows the rows, the second control of a row included.
    void tabOrderFollowsTheRows_data() {
        QTest::addColumn<Page>("page");
        QTest::addColumn<QString>("order");
        QTest::newRow("Other Tags") << Page::Other
                                    << "cboCharset cboLang HTMLText_OtherLanguage cboPageCaching "
                                       "HTMLText_Generator HTMLText_WindowTarget HTMLText_Abstract "
                                       "HTMLText_Comments chkTitleComments chkKeywordsComments";
        QTest::newRow("Web Tags") << Page::WebTags
                                  << "chkDeclareUtf8 cboViewport HTMLText_CanonicalUrl "
                                     "HTMLText_ThemeColour HTMLText_OgTitle HTMLText_OgDescription "
                                     "HTMLText_OgUrl cboOgType";
    }
    void tabOrderFollowsTheRows() {
        QFETCH(Page, page);
        QFETCH(QString, order);
        d().showAndActivate();
        QCOMPARE(QApplication::focusWidget()->objectName(), objectNameOf(Field::Title));
        d().window().selectPage(page);
        for (const QString &expected : order.split(' ')) {
            QWidget *focus = QApplication::focusWidget();
            while (focus->objectName().isEmpty())
                focus = focus->parentWidget(); // the edit box inside a list
            QCOMPARE(focus->objectName(), expected);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    }

    // A list changes with the wheel only while it has the focus.
    void wheelNeedsTheFocus_data() {
        QTest::addColumn<bool>("focused");
        QTest::newRow("focused") << true;
        QTest::newRow("pointer passing") << false;
    }
    void wheelNeedsTheFocus() {
        QFETCH(bool, focused);
        d().showAndActivate();
        auto *card = d().find<QComboBox>("cboTwitterCard");
        d().window().selectPage(Page::WebTags);
        card->setCurrentIndex(1);
        if (focused)
            card->setFocus();
        const QPointF middle = QRectF(card->rect()).center();
        QWheelEvent wheel(middle, card->mapToGlobal(middle), {}, {0, 120}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(card, &wheel);
        QCOMPARE(card->currentIndex(), focused ? 0 : 1);
    }

    // The page in the fixed font, lines numbered and unwrapped until Wrap Long
    // Lines; Find goes from place to place, round either end, in any case
    // unless Match case is ticked, and Escape gives the page the focus back.
    void findInThePage() {
        d().showAndActivate();
        d().window().setDocumentText("<head>\r\n<title>Boats</title>\r\n<meta content=boats>");
        QPlainTextEdit *page = d().documentArea();
        QVERIFY(QFontInfo(page->font()).fixedPitch());
        QVERIFY(d().find<QWidget>("lineNumbers")->width() >
                page->fontMetrics().horizontalAdvance("3"));
        QCOMPARE(page->lineWrapMode(), QPlainTextEdit::NoWrap);
        TRIGGER(d(), "mnuViewWrap");
        QCOMPARE(page->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QVERIFY(d().store().viewOption(ViewOption::WrapLongLines));

        QTest::keyClick(&d().window(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(d().currentTab(), int(Page::HtmlFile) - 1);
        auto *words = d().find<QLineEdit>("txtFind");
        QCOMPARE(QApplication::focusWidget(), words);
        auto *note = d().find<QLabel>("lblFindNote");
        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            int line; // -1: not found
            const char *note;
        } steps[] = {
            {Qt::Key_S, Qt::NoModifier, 1, ""}, // "BOATS" typed
            {Qt::Key_F3, Qt::NoModifier, 2, ""},
            {Qt::Key_F3, Qt::NoModifier, 1, "Reached the end, went on from the top"},
            {Qt::Key_F3, Qt::ShiftModifier, 2, "Reached the top, went on from the end"},
            {Qt::Key_F3, Qt::ShiftModifier, 1, ""},
        };
        QTest::keyClicks(words, "BOAT");
        for (const auto &step : steps) {
            QTest::keyClick(words, step.key, step.modifiers);
            QCOMPARE(page->textCursor().blockNumber(), step.line);
            QCOMPARE(page->textCursor().selectedText().toUpper(), "BOATS");
            QCOMPARE(note->text(), step.note);
        }
        d().find<QCheckBox>("chkMatchCase")->setChecked(true);
        QCOMPARE(note->text(), "Not found");
        QTest::keyClick(words, Qt::Key_Escape);
        QVERIFY(!d().find<QWidget>("findBar")->isVisible());
        QCOMPARE(QApplication::focusWidget(), page);
    }

    // Ctrl+C copies the selection of the text area it is pressed in, and
    // where nothing is selected there, the block as Copy Tags does.
    void copyKey_data() {
        QTest::addColumn<QString>("area");
        QTest::addColumn<bool>("selected");
        const QString title = objectNameOf(Field::Title);
        QTest::newRow("field, nothing selected") << title << false;
        QTest::newRow("field, a selection") << title << true;
        QTest::newRow("Generated Tags, nothing selected") << "rtfTags" << false;
        QTest::newRow("Generated Tags, a selection") << "rtfTags" << true;
    }
    void copyKey() {
        QFETCH(QString, area);
        QFETCH(bool, selected);
        d().showAndActivate();
        d().setText(Field::Title, "Home");
        d().window().setTagsText("stale"); // Copy Tags is offered once there are tags
        if (area == "rtfTags")
            d().window().selectPage(Page::GeneratedTags);
        auto *widget = d().find<QWidget>(area);
        widget->setFocus();
        if (auto *line = qobject_cast<QLineEdit *>(widget); line && selected)
            line->selectAll();
        if (auto *text = qobject_cast<QPlainTextEdit *>(widget); text && selected)
            text->selectAll();
        QApplication::clipboard()->clear();
        QTest::keyClick(widget, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(d().desktop().clipboard,
                 selected ? QStringList{} : QStringList{"<title>Home</title>\r\n"});
        QCOMPARE(QApplication::clipboard()->text().trimmed(), !selected ? ""
                                                              : area == "rtfTags"
                                                                  ? "<title>Home</title>"
                                                                  : "Home");
    }

    // Every line break reads back as CR LF; a no-break space stays one.
    void textAreaRoundTrip() {
        TextArea area;
        area.setText(QString("a\r\n\r\nb\nc\rd\u00a0\tŁódź 日本\r\n"));
        QCOMPARE(area.text(), QString("a\r\n\r\nb\r\nc\r\nd\u00a0\tŁódź 日本\r\n"));
    }

    // Offsets count the CR LF text; the editor counts a line break as one.
    void textAreaColoursExactlyTheRange_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QStringList>("runs");
        QTest::newRow("whole lines") << 16 << 18 << QStringList{"<title>x</title>"};
        QTest::newRow("to the end")
            << 8 << 37 << QStringList{"<head>", "<title>x</title>", "</head>"};
        QTest::newRow("inside one line") << 1 << 4 << QStringList{"html"};
    }
    void textAreaColoursExactlyTheRange() {
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QStringList, runs);
        TextArea area;
        area.setText("<html>\r\n<head>\r\n<title>x</title>\r\n\r\n</head>\r\n");
        area.select(start, length);
        area.colourSelection(Qt::red);
        QCOMPARE(test::colouredRuns(area, Qt::red), runs);
    }

    // A screen reader names a control by its row; the tooltip describes it.
    void controlsCarryTheirLabels() {
        auto *seconds = d().find<QWidget>(objectNameOf(Field::RefreshSeconds));
        QCOMPARE(seconds->accessibleName(), "Refresh, after sec.");
        QCOMPARE(seconds->toolTip(), "Seconds before transfer");
        QCOMPARE(seconds->accessibleDescription(), seconds->toolTip());
    }

    // Check Page lists the document's findings below it; activating one puts the
    // caret at its place.
    void checkPageGoesToFindings() {
        d().showAndActivate();
        d().window().setDocumentText("<html>\n<head>\r\n<title>Boats</title>\r\n</head>\r\n"
                                     "<body>\r\n  <title>\u00e9</title>\r\n");
        TRIGGER(d(), "mnuTagsCheck");
        auto *list = d().find<QTreeWidget>("lstFindings");
        QVERIFY(list->isVisible());
        QCOMPARE(d().currentTab(), int(Page::HtmlFile) - 1);
        QTreeWidgetItem *last = list->topLevelItem(list->topLevelItemCount() - 1);
        QCOMPARE(last->text(1), "6");
        QCOMPARE(last->text(3), "tag-after-head");
        list->setCurrentItem(last);
        QCOMPARE(d().find<QLabel>("lblFindingDetail")->text(), last->text(2));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), d().documentArea());
        QCOMPARE(d().documentArea()->textCursor().blockNumber(), 5);
        QCOMPARE(d().documentArea()->textCursor().selectedText(), "<title>\u00e9</title>");

        d().window().setDocumentText(
            "<!DOCTYPE html><head><meta charset=utf-8><link rel=icon href=/b.png>"
            "<meta name=viewport content=width=device-width>"
            "<title>Boats</title><meta name=description content='Sailing boats, rowing boats and "
            "motor boats to hire by the day.'></head>");
        TRIGGER(d(), "mnuTagsCheck");
        QCOMPARE(list->topLevelItemCount(), 0);
        QCOMPARE(list->accessibleDescription(), "No problems found.");
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
