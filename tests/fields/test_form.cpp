#include "fields/ExampleRecord.h"
#include "fields/FormLayout.h"
#include "support/FormPrinting.h"

#include <QTest>

using namespace velko;

class TestForm : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyControlOnOneRowOfItsPage();
    void formEmptyTest_data();
    void formEmptyTest();
    void examplesThenClear();
};

// The pages are built from the rows: a control missing from them, or put on
// the wrong page, would be missing from the window.
void TestForm::everyControlOnOneRowOfItsPage() {
    QMap<QPair<int, int>, Page> placed;
    for (const FormRow &row : formRows()) {
        for (Control control : {row.main, row.second}) {
            if (!control)
                continue;
            QVERIFY(!placed.contains({int(control.kind), control.id}));
            placed[{int(control.kind), control.id}] = row.page;
        }
    }
    for (const FieldEntry &entry : allFields())
        QCOMPARE(placed.value({int(Control::Kind::Text), indexOf(entry.field)}), entry.page);
    for (const ListEntry &entry : allLists())
        QCOMPARE(placed.value({int(Control::Kind::List), indexOf(entry.list)}), entry.page);
    for (const CheckEntry &entry : allChecks())
        QCOMPARE(placed.value({int(Control::Kind::Check), indexOf(entry.check)}), entry.page);
}

void TestForm::formEmptyTest_data() {
    QTest::addColumn<FormValue>("form");
    QTest::addColumn<bool>("empty");

    QTest::newRow("nothing") << FormValue{} << true;
    for (const FieldEntry &entry : allFields()) {
        FormValue form;
        form[entry.field] = " "; // hidden slots count, the spare slot does not
        QTest::newRow(entry.name) << form << (entry.field == Field::Spare);
    }
    FormValue typed;
    typed[List::Robot] = {-1, "noindex, nofollow"};
    QTest::newRow("typed list text") << typed << false;
    FormValue blank;
    blank[List::Robot] = {-1, "  "};
    QTest::newRow("blank typed list text") << blank << true;
    FormValue chosen;
    chosen[List::Robot] = {0, "all"};
    QTest::newRow("chosen item") << chosen << false;
    for (const CheckEntry &entry : allChecks()) {
        FormValue form;
        form[entry.check] = true; // the comment boxes do not count
        QTest::newRow(entry.caption) << form << (entry.page != Page::DublinCore);
    }
}

void TestForm::formEmptyTest() {
    QFETCH(FormValue, form);
    QFETCH(bool, empty);
    QCOMPARE(isFormEmpty(form), empty);
}

void TestForm::examplesThenClear() {
    FormValue form;
    form[Field::OtherLanguage] = "pt-br";
    form[Field::Spare] = "spare";
    fillInExamples(form);
    QCOMPARE(form[Field::OtherLanguage], "pt-br"); // not part of the record
    QCOMPARE(form[List::Charset], (ListValue{2, "iso-8859-1"}));
    QCOMPARE(form[Field::DCSource], "http://www.harbordale.example/");
    QVERIFY(!isFormEmpty(form));
    FormValue twice = form;
    fillInExamples(twice);
    QCOMPARE(twice, form);

    clearForm(form);
    FormValue expected;
    expected[Field::Spare] = "spare"; // Clear leaves the spare slot alone
    QCOMPARE(form, expected);
}

QTEST_APPLESS_MAIN(TestForm)
#include "test_form.moc"
