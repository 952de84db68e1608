#include "document/TagUpdate.h"
#include "import/MetaTagReader.h"
#include "page/PageHead.h"

#include <QTest>

using namespace velko;

namespace {

// The block of every case: a title, two meta tags, a Dublin Core copy and the
// comment the examples fill in.
const QString T = "<title>Home</title>";
const QString D = "<meta name=\"description\" content=\"Our shop\">";
const QString R = "<meta name=\"robots\" content=\"all\">";
const QString DC = "<meta name=\"DC.Title\" content=\"Home\">";
const QString C = "<!--Above meta tags inserted by Velko-->";

QString join(const char *lineBreak, const QStringList &lines) {
    return lines.join(QLatin1String(lineBreak));
}

FormValue blockForm() {
    FormValue form;
    form[Field::Title] = "Home";
    form[Field::Description] = "Our shop";
    form[List::Robot] = {0, "all"};
    form[Check::DCTitle] = true;
    form[Field::Comments] = "Above meta tags inserted by Velko";
    return form;
}

FormValue readHead(const QString &page) {
    FormValue form;
    readMetaTags(QStringView(page).first(findHead(QStringView(page)).end), form);
    return form;
}

} // namespace

class TestTagUpdate : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pages_data();
    void pages();
    void charsetDeclarationReplaced();
};

void TestTagUpdate::pages_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("updated"); // null: no head tag
    QTest::addColumn<QList<int>>("counts");

    QTest::newRow("title only") << "<html>\n<head>\n<title>Old</title>\n</head>\n<body>x</body>"
                                << "<html>\n<head>\n" + join("\n", {D, R, DC, C, T}) +
                                       "\n</head>\n<body>x</body>"
                                << QList{1, 4, 0};
    QTest::newRow("title, description and robots present")
        << "<head>\r\n<title>Home</title>\r\n<meta name=\"description\" content=\"Old\">\r\n" + R +
               "\r\n</head>\r\n"
        << "<head>\r\n" + join("\r\n", {DC, C, T, D, R}) + "\r\n</head>\r\n"
        << QList{1, 2, 0};
    QTest::newRow("two descriptions")
        << "<head>\n" + T + "\n<meta name=description content=a>\n \t" + D + " \n</head>\n"
        << "<head>\n" + join("\n", {R, DC, C, T, D}) + "\n</head>\n"
        << QList{1, 3, 1};
    QTest::newRow("other attribute orders and quotes")
        << "<head>\n  <META CONTENT='x' NAME=' Description '>  <!-- keep -->\n"
           "<meta content=all\nname=ROBOTS>" +
               T + "<TITLE>Two</TITLE>\n</head>"
        << "<head>\n" + DC + "\n" + C + "\n  " + D + "  <!-- keep -->\n" + R + T + "\n</head>"
        << QList{2, 2, 1};
    QTest::newRow("lower-case DC names")
        << "<head><meta name=\"dc.title\" content=\"Home\">" + T + "</head>"
        << "<head>\r\n" + join("\r\n", {D, R, C, DC}) + T + "</head>" << QList{1, 3, 0};
    QTest::newRow("the generator's comment lines present")
        << "<head>\n" + C + "\n" + T + "\n<!-- Above meta tags inserted by Velko -->\n</head>"
        << "<head>\n" + join("\n", {D, R, DC, C, T}) + "\n</head>" << QList{0, 3, 1};
    QTest::newRow("leading charset declaration")
        << "<head>\n<meta charset=\"utf-8\">\n" + T + "\n</head>"
        << "<head>\n<meta charset=\"utf-8\">\n" + join("\n", {D, R, DC, C, T}) + "\n</head>"
        << QList{0, 4, 0};
    QTest::newRow("head with attributes")
        << "<HEAD lang=\"en\" >\r\n</HEAD>\r\n"
        << "<HEAD lang=\"en\" >\r\n" + join("\r\n", {T, D, R, DC, C}) + "\r\n</HEAD>\r\n"
        << QList{0, 5, 0};
    const QString body =
        "\n<body><title>x</title><meta name=\"robots\" content=\"none\">" + C + "</body>";
    QTest::newRow("tags after </head>")
        << "<head>" + T + "</head>" + body
        << "<head>\n" + join("\n", {D, R, DC, C, T}) + "</head>" + body << QList{0, 4, 0};
    QTest::newRow("a page that ends with its head tag")
        << "<head>"
        << "<head>\r\n" + join("\r\n", {T, D, R, DC, C}) + "\r\n"
        << QList{0, 5, 0};
    QTest::newRow("no head tag") << "<body><title>x</title>" << QString() << QList{0, 0, 0};
}

void TestTagUpdate::pages() {
    QFETCH(QString, page);
    QFETCH(QString, updated);
    QFETCH(QList<int>, counts);
    const std::vector<TagLine> lines = BuildTagLines(blockForm(), DcNameCase::Capitalised);
    const TagUpdate<QString> result = updateTags(page, lines);
    QCOMPARE(result.headFound, !updated.isNull());
    if (!result.headFound)
        return;
    QCOMPARE(result.page, updated);
    QCOMPARE((QList{result.count(TagChangeKind::Replaced), result.count(TagChangeKind::Added),
                    result.count(TagChangeKind::Removed)}),
             counts);

    // Before the head's tag and from its end on, nothing changed.
    const PageHead head = findHead(QStringView(page));
    QVERIFY(updated.startsWith(QStringView(page).first(head.tag.end())) &&
            updated.endsWith(QStringView(page).sliced(head.end)));

    // The bytes of the page give the same bytes.
    const TagUpdate<QByteArray> bytes = updateTags(QByteArrayView(page.toUtf8()), lines);
    QCOMPARE(bytes.page, updated.toUtf8());
    QCOMPARE(bytes.changes.size(), result.changes.size());
    // So do they in UTF-16, where the markup is not in the bytes.
    const Encoding utf16 = Encoding::utf16(false);
    const QByteArray mark = utf16.byteOrderMark().toByteArray();
    QCOMPARE(updateTags(QByteArrayView(mark + utf16.encode(page)), lines).page,
             mark + utf16.encode(updated));

    const TagUpdate<QString> again = updateTags(updated, lines);
    QCOMPARE(again.page, updated);
    QCOMPARE(again.changes.size(), 0);

    // The head reads back as the block alone does; the Comments field, which
    // takes the head's last comment, aside.
    const FormValue read = readHead(updated);
    const FormValue expected =
        readHead("<head>\r\n" + BuildTagBlock(blockForm(), DcNameCase::Capitalised));
    for (const TagLine &line : lines) {
        const Field field = Field(line.row->readInto.id); // every row here reads into text
        if (line.row->readInto && field != Field::Comments)
            QCOMPARE(read[field], expected[field]);
    }
}

// A page declares one charset only: the form's takes the place of the
// page's, and the lines are written in the charset the page then declares, so
// that a second update changes nothing.
void TestTagUpdate::charsetDeclarationReplaced() {
    FormValue form;
    form[Check::DeclareUtf8] = true;
    form[Field::Title] = "Caf\u00e9";
    const std::vector<TagLine> lines = BuildTagLines(form, DcNameCase::Capitalised);
    const TagUpdate<QString> text =
        updateTags(u"<head>\n<META Charset='iso-8859-1'>\n<meta charset=latin1>\n</head>", lines);
    QCOMPARE(text.page, "<head>\n<meta charset=\"utf-8\">\n<title>Caf\u00e9</title>\n</head>");

    const QByteArray page = "<head>\n<meta charset=iso-8859-1>\n<title>Caf\xe9</title>\n</head>";
    const TagUpdate<QByteArray> bytes = updateTags(QByteArrayView(page), lines);
    QCOMPARE(bytes.page, "<head>\n<meta charset=\"utf-8\">\n<title>Caf\xc3\xa9</title>\n</head>");
    QCOMPARE(updateTags(QByteArrayView(bytes.page), lines).changes.size(), 0);
    QCOMPARE(misdeclaredCharset(QByteArrayView(page), bytes), "");

    // Text the update keeps, in the charset declared before, would read wrong.
    const QByteArray kept = page + "<body>\xe9</body>";
    QCOMPARE(misdeclaredCharset(QByteArrayView(kept), updateTags(QByteArrayView(kept), lines)),
             "utf-8");
    const QString document = u"<head><meta charset=latin1></head>\u00e9"_qs;
    QCOMPARE(misdeclaredCharset(document, updateTags(document, lines),
                                {*Encoding::fromLabel("latin1"), LineBreak::CrLf, false}),
             "utf-8");
}

QTEST_APPLESS_MAIN(TestTagUpdate)
#include "test_tag_update.moc"
