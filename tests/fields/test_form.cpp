#include "fields/ExampleRecord.h"
#include "fields/FormLayout.h"
#include "fields/FormValue.h"

#include <QSet>
#include <QTest>

using namespace velko;

Q_DECLARE_METATYPE(velko::FormValue)

class TestForm : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void layoutPlacesEveryControlOnce();
    void formEmptyTest_data();
    void formEmptyTest();
    void exampleRecord();
    void exampleKeepsOtherLanguageAndSlots();
    void clearAfterExamples();
};

// Every visible field, list and check box sits on exactly one row of its own
// page, and the hidden slots on none.
void TestForm::layoutPlacesEveryControlOnce() {
    QMap<QPair<int, int>, int> seen;
    for (const FormRow &row : formRows()) {
        for (Control control : {row.main, row.second}) {
            if (!control)
                continue;
            ++seen[{int(control.kind), control.id}];
            Page page = Page::None;
            if (control.kind == Control::Kind::Text)
                page = fieldEntry(Field(control.id)).page;
            else if (control.kind == Control::Kind::List)
                page = listEntry(List(control.id)).page;
            else
                page = checkEntry(Check(control.id)).page;
            QCOMPARE(int(page), int(row.page));
        }
    }
    int visibleFields = 0;
    for (const FieldEntry &entry : allFields()) {
        const int times = seen.value({int(Control::Kind::Text), indexOf(entry.field)});
        QCOMPARE(times, entry.page == Page::None ? 0 : 1);
        visibleFields += times;
    }
    QCOMPARE(visibleFields, 27);
    for (const ListEntry &entry : allLists())
        QCOMPARE(seen.value({int(Control::Kind::List), indexOf(entry.list)}), 1);
    for (const CheckEntry &entry : allChecks())
        QCOMPARE(seen.value({int(Control::Kind::Check), indexOf(entry.check)}), 1);
}

void TestForm::formEmptyTest_data() {
    QTest::addColumn<FormValue>("form");
    QTest::addColumn<bool>("empty");

    QTest::newRow("nothing") << FormValue{} << true;
    for (const FieldEntry &entry : allFields()) {
        FormValue form;
        form[entry.field] = " ";
        // Every field counts, hidden slots too, but the spare slot.
        QTest::newRow(entry.name) << form << (entry.field == Field::Spare);
    }
    for (const ListEntry &entry : allLists()) {
        FormValue chosen;
        chosen[entry.list] = {0, QString::fromUtf8(entry.items[0])};
        QTest::newRow(QByteArray(entry.name) + " chosen") << chosen << false;
        FormValue typed;
        typed[entry.list] = {-1, "typed"};
        QTest::newRow(QByteArray(entry.name) + " typed") << typed << true;
    }
    for (const CheckEntry &entry : allChecks()) {
        FormValue form;
        form[entry.check] = true;
        const bool dublinCore = entry.page == Page::DublinCore;
        QTest::newRow(entry.caption) << form << !dublinCore;
    }
}

void TestForm::formEmptyTest() {
    QFETCH(FormValue, form);
    QFETCH(bool, empty);
    QCOMPARE(isFormEmpty(form), empty);
}

void TestForm::exampleRecord() {
    FormValue form;
    fillInExamples(form);
    QVERIFY(!isFormEmpty(form));
    QCOMPARE(form[Field::Title], "Harbordale - Guides, Utilities, and Ideas for Site Builders");
    QCOMPARE(form[Field::Email], "webmaster@harbordale.example");
    QCOMPARE(form[Field::RefreshUrl], "http://www.harbordale.example/");
    QCOMPARE(form[Field::DCSource], form[Field::RefreshUrl]);
    QCOMPARE(form[Field::Abstract], form[Field::Title]);
    QCOMPARE(form[Field::DCIdentifier], "2 Weeks");
    QCOMPARE(form[List::Charset], (ListValue{2, "iso-8859-1"}));
    QCOMPARE(form[List::PageCaching], (ListValue{1, "no-cache"}));
    QCOMPARE(form[List::Language], (ListValue{0, "en"}));
    QVERIFY(std::all_of(form.checks.begin(), form.checks.end(), [](bool c) { return c; }));

    FormValue twice = form;
    fillInExamples(twice);
    QCOMPARE(twice, form);
}

void TestForm::exampleKeepsOtherLanguageAndSlots() {
    FormValue form;
    form[Field::OtherLanguage] = "pt-br";
    form[Field::PragmaSlot] = "no-cache";
    form[Field::Spare] = "spare";
    fillInExamples(form);
    QCOMPARE(form[Field::OtherLanguage], "pt-br");
    QCOMPARE(form[Field::PragmaSlot], "no-cache");
    QCOMPARE(form[Field::Spare], "spare");
    QCOMPARE(form[List::Language].text, "en");
}

void TestForm::clearAfterExamples() {
    FormValue form;
    form[Field::Spare] = "spare";
    form[Field::RobotsSlot] = "noindex";
    form[List::Robot] = {-1, "typed"};
    fillInExamples(form);
    clearForm(form);
    QVERIFY(isFormEmpty(form));
    FormValue expected;
    expected[Field::Spare] = "spare";
    QCOMPARE(form, expected);
}

QTEST_APPLESS_MAIN(TestForm)
#include "test_form.moc"
