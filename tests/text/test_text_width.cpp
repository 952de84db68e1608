#include "text/TextWidth.h"

#include <QFile>
#include <QFontDatabase>
#include <QTest>
#include <QTextLayout>

using namespace velko;

namespace {

const QString fontFile =
    QStringLiteral("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf");

} // namespace

class TestTextWidth : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void matchesTheFont_data();
    void matchesTheFont();
    void counts_data();
    void counts();
    void cuts_data();
    void cuts();
};

void TestTextWidth::matchesTheFont_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("pixelSize");
    QTest::newRow("ASCII, a dash and kerning pairs")
        << "AVATAR Travel: Yes, Tokyo – “To” L’Ami 11" << titlePixelSize;
    QTest::newRow("accented Latin")
        << "Łódź, Zürich, São Paulo, Ærøskøbing, Ħamrun" << descriptionPixelSize;
    QTest::newRow("Greek") << "Ξεσκεπάζω την ψυχοφθόρα βδελυγμία" << titlePixelSize;
    QTest::newRow("currency and symbols") << "€ 5 ₴ 7 № 3 ™ ‰ “quoted” …" << titlePixelSize;
}

// The width Qt's text layout (HarfBuzz, as in browsers) gives the text in the
// font itself, kerning included.
void TestTextWidth::matchesTheFont() {
    QFETCH(QString, text);
    QFETCH(double, pixelSize);
    if (!QFile::exists(fontFile))
        QSKIP("Liberation Sans is not installed (Debian package fonts-liberation2)");
    const int id = QFontDatabase::addApplicationFont(fontFile);
    QVERIFY(id >= 0);
    // At one pixel per font unit the layout's 1/64 px steps do not show.
    QFont font(QFontDatabase::applicationFontFamilies(id).front());
    font.setPixelSize(2048);
    font.setHintingPreference(QFont::PreferNoHinting);
    QTextLayout layout(text, font);
    QTextOption option;
    option.setUseDesignMetrics(true);
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const double units = layout.lineAt(0).naturalTextWidth();
    // One font unit is 0.007 px at 14 px, so a wrong table entry shows.
    QVERIFY2(qAbs(textWidth(text, pixelSize) - units * pixelSize / 2048) < 0.001,
             qPrintable(QString::number(units)));
}

// The pixels are Chromium's widths of the same texts, rounded up.
void TestTextWidth::counts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("pixelSize");
    QTest::addColumn<int>("characters");
    QTest::addColumn<int>("pixels");
    QTest::newRow("words") << "Velko – meta tags for web authors" << titlePixelSize << 33 << 303;
    QTest::newRow("kerned capitals") << "AVATAR Travel: Yes, Tokyo" << titlePixelSize << 25 << 241;
    QTest::newRow("Cyrillic") << "Съешь же ещё этих мягких французских булок" << titlePixelSize
                              << 42 << 436;
    QTest::newRow("ideographs and kana") << "東京の天気" << titlePixelSize << 5 << 100;
    QTest::newRow("Hangul") << "한국어" << titlePixelSize << 3 << 56;
    QTest::newRow("kana kerning, CJK punctuation set half wide")
        << "「ハロー」、『ワールド』。（テスト）・完了！" << titlePixelSize << 22 << 390;
    QTest::newRow("emoji is one") << "😀😀" << titlePixelSize << 2 << 42;
    QTest::newRow("combining mark is none") << "Cafe\u0301" << titlePixelSize << 4 << 43;
    QTest::newRow("empty") << "" << titlePixelSize << 0 << 0;
}

void TestTextWidth::counts() {
    QFETCH(QString, text);
    QFETCH(double, pixelSize);
    QFETCH(int, characters);
    QFETCH(int, pixels);
    const TextExtent extent = textExtent(text, pixelSize);
    QCOMPARE(extent.characters, characters);
    QCOMPARE(extent.pixels, pixels);
}

void TestTextWidth::cuts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("maxWidth");
    QTest::addColumn<QString>("shown");
    // Widths at 20 px: "Velko meta tags" 142.3046875, "…" 20,
    // "Meta tags for web…" 178.96484375, "Supercal…" 98.9, "Velko …" 74.5.
    const auto row = [](const char *name, const QString &text, double maxWidth, const char *shown) {
        QTest::newRow(name) << text << maxWidth << QString(shown);
    };
    row("fits exactly", "Velko meta tags", 142.3046875, "Velko meta tags");
    row("one pixel over", "Velko meta tags", 141.3046875, "Velko meta…");
    row("blank cut fits exactly with the ellipsis", "Meta tags for web authors", 178.96484375,
        "Meta tags for web…");
    row("blank cut a little narrower", "Meta tags for web authors", 178.9, "Meta tags for…");
    row("trailing blanks dropped", "Velko  meta tags", 80.0, "Velko…");
    row("one long word", "Supercalifragilisticexpialidocious", 100.0, "Supercal…");
    row("surrogate pair kept whole", "😀😀😀😀", 50.0, "😀…");
    row("empty text", "", 0.0, "");
    row("nothing fits", "Velko", 10.0, "…");
}

void TestTextWidth::cuts() {
    QFETCH(QString, text);
    QFETCH(double, maxWidth);
    QFETCH(QString, shown);
    QCOMPARE(cutToWidth(text, maxWidth, titlePixelSize), shown);
}

QTEST_MAIN(TestTextWidth)
#include "test_text_width.moc"
