#include "support/TestForms.h"
#include "tags/WebPreview.h"

#include <QTest>

using namespace velko;

Q_DECLARE_METATYPE(velko::CardImage)

namespace {

// `count` words of four letters: 50.05 px at 20 px, 35.03 px at 14 px, with
// the blank after each.
QString words(int count) {
    return QStringList(count, "aaaa").join(' ');
}

} // namespace

class TestWebPreview : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void searchResult_data();
    void searchResult();
    void card();
    void lines_data();
    void lines();
    void cardImage_data();
    void cardImage();
};

void TestWebPreview::searchResult_data() {
    QTest::addColumn<FormValue>("form");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("titleCounter");
    QTest::addColumn<bool>("titleTooLong");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("descriptionCounter");
    QTest::addColumn<bool>("descriptionTooLong");
    QTest::addColumn<QString>("address");

    const auto row = [](const char *name, const FormValue &form, const QString &title,
                        const char *titleCounter, bool titleTooLong, const QString &description,
                        const char *descriptionCounter, bool descriptionTooLong,
                        const char *address = "") {
        QTest::newRow(name) << form << title << QString("Title: %1 of 600 px").arg(titleCounter)
                            << titleTooLong << description
                            << QString("Description: %1 of 920 px").arg(descriptionCounter)
                            << descriptionTooLong << QString(address);
    };
    const auto form = [](const QString &title, const QString &description,
                         const QString &url = {}) {
        FormValue f;
        f[Field::Title] = title;
        f[Field::Description] = description;
        f[Field::CanonicalUrl] = url;
        return f;
    };
    row("empty", {}, "", "0 characters, 0", false, "", "0 characters, 0", false);
    row("both fit, host and path",
        form(words(12), words(26), "https://www.harbordale.example/guides/meta%20tags/?q=1#top"),
        words(12), "59 characters, 596", false, words(26), "129 characters, 907", false,
        "www.harbordale.example › guides › meta tags");
    // 26 words and "…" (an em) would be 921 px.
    row("both cut at a blank", form(words(13), words(27)), words(11) + "…", "64 characters, 646",
        true, words(25) + "…", "134 characters, 943", true);
    // Kerned, "WAW" takes the title 0.15 px over: the counter says so, as
    // title-too-long does.
    row("a fraction of a pixel over", form(words(11) + " WAW", ""), words(11) + "…",
        "58 characters, 601", true, "", "0 characters, 0", false);
    row("white space as a page shows it; host alone, no scheme",
        form(" a\tb ", "c\r\n  d", " harbordale.example "), "a b", "3 characters, 28", false, "c d",
        "3 characters, 19", false, "harbordale.example");
    row("references decoded as the page shows them",
        form("Caf&eacute; &hyphen; &#8211; Bar", "?a=1&copy=2 &eacute;t&eacute;"), "Café ‐ – Bar",
        "12 characters, 108", false, "?a=1&copy=2 été", "15 characters, 110", false);
    row("og:title, og:description and og:url stand in",
        test::formOf(R"({"og:title": "T", "og:description": "D", "og:url": "http://a.example/b",
            "Keywords": "not this"})"),
        "T", "1 characters, 13", false, "D", "1 characters, 11", false, "a.example › b");
}

void TestWebPreview::searchResult() {
    QFETCH(FormValue, form);
    const SearchResult result = velko::searchResult(form);
    QTEST(result.title, "title");
    QTEST(result.titleMeasure.counter, "titleCounter");
    QTEST(result.titleMeasure.tooLong, "titleTooLong");
    QTEST(result.description, "description");
    QTEST(result.descriptionMeasure.counter, "descriptionCounter");
    QTEST(result.descriptionMeasure.tooLong, "descriptionTooLong");
    QTEST(result.address, "address");
}

// The card takes the Open Graph tags first, the general ones when they are empty.
void TestWebPreview::card() {
    FormValue form;
    form[Field::Title] = "General";
    form[Field::OgDescription] = "Shared\r\n  text";
    form[Field::CanonicalUrl] = "https://www.harbordale.example/x";
    form[Field::OgImage] = "https://www.harbordale.example/card.png";
    const SocialCard card = socialCard(form);
    QCOMPARE(card.host, "WWW.HARBORDALE.EXAMPLE");
    QCOMPARE(card.titleLines, QStringList{"General"});
    QCOMPARE(card.descriptionLines, QStringList{"Shared text"});
    QCOMPARE(card.image.kind, CardImage::Kind::Web);
}

void TestWebPreview::lines_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("fits") << "ab" << QStringList{"ab"};
    QTest::newRow("nothing") << " " << QStringList{};
    QTest::newRow("at blanks, the second line cut")
        << "a b c d e f g h i j k l m n o p" << QStringList{"a b c d e f", "g h i j k l…"};
    QTest::newRow("a word longer than a line")
        << "Supercalifragilisticexpialidocious words" << QStringList{"Supercalifr", "agilistice…"};
}

void TestWebPreview::lines() {
    QFETCH(QString, text);
    QTEST(linesWithin(text, 100, 20, 2), "lines");
}

void TestWebPreview::cardImage_data() {
    QTest::addColumn<QString>("ogImage");
    QTest::addColumn<CardImage>("image");
    QTest::newRow("path") << "/srv/www/card.png"
                          << CardImage{CardImage::Kind::File, "/srv/www/card.png", {}};
    QTest::newRow("file: address") << "file:///srv/www/card%201.png"
                                   << CardImage{CardImage::Kind::File, "/srv/www/card 1.png", {}};
    QTest::newRow("https, blanks around")
        << " HTTPS://a.example/c.png "
        << CardImage{CardImage::Kind::Web, {}, QUrl("https://a.example/c.png")};
    QTest::newRow("another scheme") << "data:image/png;base64,AAAA" << CardImage{};
    QTest::newRow("empty") << "" << CardImage{};
}

void TestWebPreview::cardImage() {
    QFETCH(QString, ogImage);
    QTEST(velko::cardImage(ogImage), "image");
}

QTEST_APPLESS_MAIN(TestWebPreview)
#include "test_web_preview.moc"
