#include "document/TagUpdate.h"
#include "import/MetaTagReader.h"
#include "page/PageHead.h"
#include "support/TestForms.h"

#include <QTest>

using namespace velko;

namespace {

std::vector<TagLine> linesOf(const FormValue &form) {
    return BuildTagLines(form, DcNameCase::Capitalised);
}

FormValue readPage(QByteArrayView page) {
    FormValue form;
    readMetaTags(page, detectEncoding(page), form);
    return form;
}

QString keptOf(const TagUpdate<QByteArray> &update) {
    QStringList kept;
    for (const KeptKind &kind : update.kept)
        kept << keptText(kind);
    return kept.join(u'\n');
}

// Every byte outside the changes stays as it was, and a replacement changes
// its tag's value only.
void requireOnlyChanges(QByteArrayView page, const TagUpdate<QByteArray> &update) {
    const QByteArrayView updated(update.page);
    qsizetype from = 0;
    qsizetype to = 0;
    for (const TagChange &change : update.changes) {
        QCOMPARE(updated.sliced(to, change.newSpan.start - to),
                 page.sliced(from, change.oldSpan.start - from));
        if (change.kind == TagChangeKind::Replaced)
            QVERIFY(change.oldSpan.start > change.oldTag.start &&
                    change.oldSpan.end() < change.oldTag.end());
        from = change.oldSpan.end();
        to = change.newSpan.end();
    }
    QCOMPARE(updated.sliced(to), page.sliced(from));
}

// A head of about `size` bytes with a charset declaration at its end.
QByteArray charsetEndingAt(qsizetype size, const QByteArray &before) {
    const QByteArray head = "<head>\n" + before + "<!--";
    const QByteArray charset = "-->\n<meta charset=\"utf-8\">";
    return head + QByteArray(size - head.size() - charset.size(), 'x') + charset + "\n</head>";
}

} // namespace

class TestTagUpdate : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void heads_data();
    void heads();
};

// Heads of real pages, each updated with a form: the page that results (null
// when the update refuses the page, as `note` says), the values replaced,
// the lines added and the tags removed, what was kept.
void TestTagUpdate::heads_data() {
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QByteArray>("form");
    QTest::addColumn<QByteArray>("updated");
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<QString>("note");
    const auto row = [](const char *name, const QByteArray &page, const char *form,
                        const QByteArray &updated, QList<int> counts, const char *note = "") {
        QTest::newRow(name) << page << QByteArray(form) << updated << counts << QString(note);
    };
    const QByteArray images = "<meta property=\"og:image\" content=\"https://x.example/b.png\">\n"
                              "<meta property=\"og:image:width\" content=\"400\">\n</head>";
    row("og:image: the first picture changes, what described it goes",
        "<head>\n<meta charset=\"utf-8\">\n"
        "<meta property=\"og:image\" content=\"https://x.example/a.png\">\n"
        "<meta property=\"og:image:width\" content=\"800\">\n"
        "<meta property=\"og:image:type\" content=\"image/png\">\n"
        "<meta property=\"og:image:alt\" content=\"Old A\">\n" +
            images,
        R"({"og:image": "https://x.example/c.png", "og:image:alt": "C"})",
        "<head>\n<meta charset=\"utf-8\">\n"
        "<meta property=\"og:image\" content=\"https://x.example/c.png\">\n"
        "<meta property=\"og:image:alt\" content=\"C\">\n" +
            images,
        {2, 0, 2});
    row("og:image: an alt joins the first item; XHTML tags close with />",
        "<head>\n<meta property=\"og:image\" content=\"a.png\" />\n"
        "<meta property=\"og:image:width\" content=\"800\" />\n"
        "<meta property=\"og:image\" content=\"b.png\" />\n"
        "<meta property=\"og:image:alt\" content=\"B\" />\n</head>",
        R"({"og:image": "a.png", "og:image:alt": "A"})",
        "<head>\n<meta property=\"og:image\" content=\"a.png\" />\n"
        "<meta property=\"og:image:alt\" content=\"A\" />\n"
        "<meta property=\"og:image:width\" content=\"800\" />\n"
        "<meta property=\"og:image\" content=\"b.png\" />\n"
        "<meta property=\"og:image:alt\" content=\"B\" />\n</head>",
        {0, 1, 0});
    const QByteArray dark =
        "<meta name=\"theme-color\" media=\"(prefers-color-scheme: dark)\" content=\"#000\">\n";
    row("theme-color only per media: kept",
        "<head>\n<meta name=\"theme-color\" media=\"(prefers-color-scheme: light)\" "
        "content=\"#fff\">\n" +
            dark + "</head>",
        R"({"Theme Colour": "#333"})",
        "<head>\n<meta name=\"theme-color\" media=\"(prefers-color-scheme: light)\" "
        "content=\"#fff\">\n" +
            dark + "</head>",
        {0, 0, 0}, "kept: theme-color is set per media");
    row("theme-color plain and per media: the plain one changes",
        "<head>\r\n<meta name=\"theme-color\" content=\"#fff\">\r\n" + dark + "</head>",
        R"({"Theme Colour": "#333"})",
        "<head>\r\n<meta name=\"theme-color\" content=\"#333\">\r\n" + dark + "</head>", {1, 0, 0});
    const QByteArray robotsAfter = "<meta name=\"robots\" content=\"max-snippet:-1\">\n</head>"
                                   "<body><meta name=\"robots\" content=\"none\"></body>";
    row("two robots tags: the first takes the form's, the second and the body's stay",
        "<head>\n<meta name=\"robots\" content=\"index, follow\">\n" + robotsAfter,
        R"({"Robot": "noindex"})",
        "<head>\n<meta name=\"robots\" content=\"noindex\">\n" + robotsAfter, {1, 0, 0});
    row("data-* and id attributes stay; a second description goes with its end tag",
        "<head>\n<title data-rh=\"true\">Old</title>\n<meta data-hid=\"description\" id=\"d\" "
        "name=\"description\" content=\"Old\" data-react-helmet=\"true\"/>\n"
        "  <meta name=\"description\" content=\"Again\"></META>\n</head>",
        R"({"Title": "New", "Description": "New"})",
        "<head>\n<title data-rh=\"true\">New</title>\n<meta data-hid=\"description\" id=\"d\" "
        "name=\"description\" content=\"New\" data-react-helmet=\"true\"/>\n</head>",
        {2, 0, 1});
    const QByteArray xhtml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<html "
                             "xmlns=\"http://www.w3.org/1999/xhtml\"><head>\n<meta "
                             "http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\" />";
    row("XHTML: UTF-8 as written stays, added tags close with />",
        xhtml + "\n<meta name=\"keywords\" content=\"a\" />\n</head>",
        R"({"Declare UTF-8": true, "Keywords": "b", "Author": "Ann"})",
        xhtml + "\n<meta name=\"author\" content=\"Ann\" />\n"
                "<meta name=\"keywords\" content=\"b\" />\n</head>",
        {1, 1, 0});
    const QByteArray noscript =
        "<noscript><meta http-equiv=\"refresh\" content=\"0; url=/nojs\"></noscript>\n"
        "<title>T</title>\n</head>";
    row("a refresh inside noscript is not the page's", "<head>\n" + noscript,
        R"({"Title": "T", "Refresh Seconds": "5", "Refresh URL": "next.html"})",
        "<head>\n<meta http-equiv=\"refresh\" content=\"5; url=next.html\">\n" + noscript,
        {0, 1, 0});
    const QByteArray inert =
        "<template><title>Inner</title><meta name=\"description\" content=\"t\"></template>";
    row("a template's tags are not the page's", "<head>" + inert + "\n</head>",
        R"({"Title": "T", "Description": "D"})",
        "<head>\n<title>T</title>\n<meta name=\"description\" content=\"D\">\n" + inert +
            "\n</head>",
        {0, 2, 0});
    const QByteArray late = charsetEndingAt(1000, "");
    QByteArray lateUpdated = late;
    lateUpdated.insert(late.indexOf("\n</head>"), "\n<title>T</title>");
    row("a charset declaration at byte 1,000: added lines go after it", late, R"({"Title": "T"})",
        lateUpdated, {0, 1, 0});
    row("nor may a longer title push it past byte 1,024",
        charsetEndingAt(1020, "<title>T</title>\n"), R"({"Title": "A much longer title"})", {}, {},
        "pushes");
    row("an ISO-8859-1 page: no UTF-8 declaration",
        "<head>\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">\n"
        "<title>Caf\xe9</title>\n</head>",
        R"({"Declare UTF-8": true, "Title": "Café"})", {}, {}, "utf-8");
    row("a windows-1252 page of ASCII: UTF-8 in its declaration's place",
        "<head>\n<META CHARSET=windows-1252>\n<title>Cafe</title>\n</head>",
        R"({"Declare UTF-8": true, "Title": "Café"})",
        "<head>\n<META CHARSET=utf-8>\n<title>Caf\xc3\xa9</title>\n</head>", {2, 0, 0});
    row("Velko's comment lines follow their fields; other comments stay",
        "<head>\n<title>Old</title>\n<!-- End Jetpack Open Graph Tags -->\n"
        "<!--Above meta tags inserted by Velko-->\n<!--Old-->\n</head>",
        R"({"Title": "New", "Comments": "Above meta tags inserted by Velko",
            "Use Title as Comment": true})",
        "<head>\n<title>New</title>\n<!-- End Jetpack Open Graph Tags -->\n"
        "<!--Above meta tags inserted by Velko-->\n<!--New-->\n</head>",
        {2, 0, 0});
    row("a name and a property in one tag hold one value",
        "<head><meta name=\"description\" property=\"og:description\" content=\"Old\"></head>",
        R"({"Description": "D", "og:description": "OG"})",
        "<head><meta name=\"description\" property=\"og:description\" content=\"D\"></head>",
        {1, 0, 0}, "kept: og:description shares its tag with description");
    row("quoted as they were, unless a value needs quotes; never after a bare x=",
        "<head>\n<meta name=author content=Ann>\n<meta name='copyright' content='Old'>\n"
        "<meta name=\"keywords\">\n<meta name=generator x=>\n</head>",
        R"({"Author": "Ann Lee", "Copyright": "Ann's", "Keywords": "k", "Generator": "G"})",
        "<head>\n<meta name=author content=\"Ann Lee\">\n<meta name='copyright' "
        "content=\"Ann's\">\n<meta name=\"keywords\" content=\"k\">\n"
        "<meta content=\"G\" name=generator x=>\n</head>",
        {4, 0, 0});
    row("a page that ends with its head tag gets no last line break", "<head>", R"({"Title": "T"})",
        "<head>\r\n<title>T</title>", {0, 1, 0});
    row("no head tag", "<body><title>x</title>", R"({"Title": "T"})", {}, {}, "no head");
}

void TestTagUpdate::heads() {
    QFETCH(QByteArray, page);
    QFETCH(QByteArray, form);
    QFETCH(QByteArray, updated);
    QFETCH(QString, note);
    const std::vector<TagLine> lines = linesOf(test::formOf(form));
    const TagUpdate<QByteArray> result = updateTags(QByteArrayView(page), lines);
    if (updated.isNull()) {
        const QString refused = !result.headFound      ? QStringLiteral("no head")
                                : result.pushesCharset ? QStringLiteral("pushes")
                                                       : misdeclaredCharset(page, result);
        QCOMPARE(refused, note);
        return;
    }
    QCOMPARE(result.page, updated);
    QCOMPARE(misdeclaredCharset(page, result), QByteArray());
    QVERIFY(!result.pushesCharset);
    QTEST((QList{result.count(TagChangeKind::Replaced), result.count(TagChangeKind::Added),
                 result.count(TagChangeKind::Removed)}),
          "counts");
    QCOMPARE(keptOf(result), note);
    requireOnlyChanges(page, result);
    if (QTest::currentTestFailed())
        return;

    // A second update changes nothing.
    const TagUpdate<QByteArray> again = updateTags(QByteArrayView(result.page), lines);
    QCOMPARE(again.changes.size(), 0);
    QCOMPARE(keptOf(again), note);

    // The text the window holds, and UTF-16, where the markup is not in the
    // bytes, update the same.
    if (page.isValidUtf8()) {
        QCOMPARE(updateTags(QString::fromUtf8(page), lines).page, QString::fromUtf8(updated));
        const Encoding utf16 = Encoding::utf16(false);
        const QByteArray mark = utf16.byteOrderMark().toByteArray();
        QCOMPARE(
            updateTags(QByteArrayView(mark + utf16.encode(QString::fromUtf8(page))), lines).page,
            mark + utf16.encode(QString::fromUtf8(updated)));
    }

    // The page updated with the form read from it loses at most duplicates of
    // kinds it has once, and then reads back as the same form.
    for (const QByteArray &each : {page, updated}) {
        const FormValue own = readPage(each);
        const TagUpdate<QByteArray> same = updateTags(QByteArrayView(each), linesOf(own));
        QCOMPARE(same.count(TagChangeKind::Replaced) + same.count(TagChangeKind::Added), 0);
        QCOMPARE(formFileText(readPage(same.page)), formFileText(own));
    }
}

QTEST_APPLESS_MAIN(TestTagUpdate)
#include "test_tag_update.moc"
