#include "text/TextWidth.h"

#include <QFile>
#include <QRawFont>
#include <QTest>

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
    QTest::newRow("ASCII and a dash") << "Velko – meta tags for web authors" << titlePixelSize;
    QTest::newRow("accented Latin")
        << "Łódź, Zürich, São Paulo, Ærøskøbing, Ħamrun" << descriptionPixelSize;
    QTest::newRow("Cyrillic") << "Съешь же ещё этих мягких французских булок"
                              << descriptionPixelSize;
    QTest::newRow("Greek") << "Ξεσκεπάζω την ψυχοφθόρα βδελυγμία" << titlePixelSize;
    QTest::newRow("currency and symbols") << "€ 5 ₴ 7 № 3 ™ ‰ “quoted” …" << titlePixelSize;
    QTest::newRow("CJK") << "東京の天気 – 日本語" << titlePixelSize;
}

// The sum of the font's own advances, read with Qt's font engine; characters
// the font lacks (CJK, emoji) count an em.
void TestTextWidth::matchesTheFont() {
    QFETCH(QString, text);
    QFETCH(double, pixelSize);
    if (!QFile::exists(fontFile))
        QSKIP("Liberation Sans is not installed (Debian package fonts-liberation2)");
    // At one pixel per font unit, design-metric advances are font units.
    QRawFont font(fontFile, 2048, QFont::PreferNoHinting);
    QVERIFY(font.isValid());
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    const QList<QPointF> advances =
        font.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
    double units = 0;
    for (qsizetype i = 0; i < glyphs.size(); ++i)
        units += glyphs[i] == 0 ? font.unitsPerEm() : advances[i].x();
    // One font unit is 0.007 px at 14 px, so a wrong table entry shows.
    QVERIFY(qAbs(textWidth(text, pixelSize) - units * pixelSize / font.unitsPerEm()) < 0.001);
}

void TestTextWidth::counts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("pixelSize");
    QTest::addColumn<int>("characters");
    QTest::addColumn<int>("pixels");
    QTest::newRow("words") << "Velko – meta tags for web authors" << titlePixelSize << 33 << 303;
    QTest::newRow("emoji is one") << "😀😀" << titlePixelSize << 2 << 40;
    QTest::newRow("combining mark is none") << "Cafe\u0301" << titlePixelSize << 4 << 42;
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
    // Widths at 20 px: "Velko meta tags" 143.408203125, "…" 20,
    // "Meta tags for web…" 178.96484375, "Supercal…" 98.9, "Velko …" 75.6.
    const auto row = [](const char *name, const QString &text, double maxWidth, const char *shown) {
        QTest::newRow(name) << text << maxWidth << QString(shown);
    };
    row("fits exactly", "Velko meta tags", 143.408203125, "Velko meta tags");
    row("one pixel over", "Velko meta tags", 142.408203125, "Velko meta…");
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
