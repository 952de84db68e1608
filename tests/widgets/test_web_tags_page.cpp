#include "support/TestFiles.h"
#include "support/TestHttpServer.h"
#include "support/WindowDriver.h"
#include "widgets/SocialCardView.h"

#include <QBuffer>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace velko;

namespace {

QByteArray png() {
    QImage image(40, 21, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

class TestWebTagsPage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_driver = std::make_unique<test::WindowDriver>(); }
    void cleanup() { QCOMPARE(d().desktop().unexpected, 0); }

    void previewsFollowTheForm();
    void cardPicture_data();
    void cardPicture();

private:
    std::unique_ptr<test::WindowDriver> m_driver;
    test::WindowDriver &d() { return *m_driver; }
    SocialCardView *card() { return d().find<SocialCardView>("picSocialCard"); }
};

void TestWebTagsPage::previewsFollowTheForm() {
    d().window().selectPage(Page::WebTags);
    d().showAndActivate();
    auto *counter = d().find<QLabel>("lblTitleCounter");
    d().setText(Field::Title, "Home");
    QTRY_VERIFY(counter->text().startsWith("Title: 4 characters, "));
    QVERIFY(counter->styleSheet().isEmpty());
    d().setText(Field::Title, QString(60, u'W'));
    QTRY_VERIFY(counter->text().startsWith("Title: 60 characters, "));
    QVERIFY(!counter->styleSheet().isEmpty()); // the warning colour
    d().setText(Field::OgUrl, "https://www.harbordale.example/a");
    QTRY_COMPARE(card()->card().host, "WWW.HARBORDALE.EXAMPLE");
}

void TestWebTagsPage::cardPicture_data() {
    QTest::addColumn<QString>("source"); // "file", "http" or "missing"
    QTest::addColumn<bool>("drawn");
    QTest::newRow("a local file") << "file" << true;
    QTest::newRow("a file: address") << "file:" << true;
    QTest::newRow("on the web") << "http" << true;
    QTest::newRow("not on the web: the placeholder") << "missing" << false;
}

void TestWebTagsPage::cardPicture() {
    QFETCH(QString, source);
    QFETCH(bool, drawn);
    QTemporaryDir dir;
    const QString path = dir.filePath("card.png");
    test::writeBytes(path, png());
    test::TestHttpServer server;
    server.answer("/card.png", test::httpAnswer(200, png(), "Content-Type: image/png\r\n"));
    const QString address = source == "file"    ? path
                            : source == "file:" ? QUrl::fromLocalFile(path).toString()
                            : source == "http"  ? server.url("/card.png").toString()
                                                : server.url("/gone.png").toString();

    d().window().selectPage(Page::WebTags);
    d().showAndActivate();
    QSignalSpy changed(card(), &SocialCardView::pictureChanged);
    d().setText(Field::OgImage, address);
    QVERIFY(changed.wait(5000));
    QCOMPARE(!card()->picture().isNull(), drawn);
    QCOMPARE(server.requestCount("/card.png"), source == "http" ? 1 : 0);
}

QTEST_MAIN(TestWebTagsPage)
#include "test_web_tags_page.moc"
