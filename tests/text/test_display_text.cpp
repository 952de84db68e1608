#include "text/DisplayText.h"

#include <QTest>

using namespace velko;

Q_DECLARE_METATYPE(velko::ReferencePlace)

class TestDisplayText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void shown_data();
    void shown();
};

void TestDisplayText::shown_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<ReferencePlace>("place");
    QTest::addColumn<QString>("shown");
    const auto row = [](const char *name, const char *text, ReferencePlace place,
                        const char *shown) {
        QTest::newRow(name) << QString::fromUtf8(text) << place << QString::fromUtf8(shown);
    };
    constexpr ReferencePlace inText = ReferencePlace::Text;
    constexpr ReferencePlace inAttribute = ReferencePlace::AttributeValue;
    row("a name for two code points", "&NotEqualTilde;", inText, "\u2242\u0338");
    row("a name of HTML 5", "&hyphen;&rarrlp;&Zfr;", inText, "‐↬ℨ");
    row("an HTML 4 name without its ;", "Caf&eacute &copy 2024", inText, "Café © 2024");
    row("the longest name that matches", "&notit; &notin;", inText, "¬it; ∉");
    row("in a value, none before = or a letter", "?a=1&copy=2&notit;&copy.", inAttribute,
        "?a=1&copy=2&notit;©.");
    row("in a value, names with ; decoded", "x&amp;y=&eacute;", inAttribute, "x&y=é");
    row("numbers in the C1 range as Windows-1252", "&#150;&#x80;&#x81;", inText, "–€\u0081");
    row("zero, a surrogate and past Unicode", "&#0;&#xD800;&#x110000;", inText, "���");
    row("no digits, unknown names", "&#; &#x; &foo; AT&T &", inText, "&#; &#x; &foo; AT&T &");
    row("decoded once", "&amp;amp;", inText, "&amp;");
    row("white space collapsed, no-break spaces kept", " a \t\r\n b&nbsp; &#9;c ", inText,
        "a b\u00A0 c");
}

void TestDisplayText::shown() {
    QFETCH(QString, text);
    QFETCH(ReferencePlace, place);
    QTEST(displayText(text, place), "shown");
}

QTEST_APPLESS_MAIN(TestDisplayText)
#include "test_display_text.moc"
