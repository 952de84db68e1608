#include "support/TestFiles.h"
#include "support/TestHttpServer.h"
#include "support/WindowDriver.h"
#include "widgets/SocialCardView.h"

#include <QBuffer>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <sys/stat.h>

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
    void previewPanel_data();
    void previewPanel();
    void cardPicture_data();
    void cardPicture();
    void publicAddresses_data();
    void publicAddresses();

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
    // A screen reader hears what is drawn, the counters too.
    d().setText(Field::Title, "Home");
    d().setText(Field::Description, "Boats");
    auto *search = d().find<QWidget>("picSearchResult");
    QTRY_COMPARE(search->accessibleDescription().section('\n', 0, 0),
                 "Search result: Home \u2014 www.harbordale.example \u203a a \u2014 Boats");
    QVERIFY(search->accessibleDescription().endsWith(
        "\n" + counter->text() + "\n" + d().find<QLabel>("lblDescriptionCounter")->text()));
    QCOMPARE(card()->accessibleDescription(),
             "Social card: WWW.HARBORDALE.EXAMPLE \u2014 Home \u2014 Boats");
}

// The previews stand beside every tab of the form, and follow Title typed on
// any of them; F9 hides them, and the next window remembers.
void TestWebTagsPage::previewPanel_data() {
    QTest::addColumn<Page>("page");
    QTest::addColumn<bool>("shown");
    QTest::newRow("General Tags") << Page::General << true;
    QTest::newRow("D.C. Tags") << Page::DublinCore << true;
    QTest::newRow("Other Tags") << Page::Other << true;
    QTest::newRow("Generated Tags") << Page::GeneratedTags << false;
    QTest::newRow("HTML File") << Page::HtmlFile << false;
}

void TestWebTagsPage::previewPanel() {
    QFETCH(Page, page);
    QFETCH(bool, shown);
    d().showAndActivate();
    d().window().selectPage(page);
    auto *panel = d().find<QWidget>("previewPanel");
    QCOMPARE(panel->isVisible(), shown);
    if (!shown)
        return;
    QTest::keyClicks(d().find<QLineEdit>(objectNameOf(Field::Title)), "Home");
    QTRY_VERIFY(d().find<QLabel>("lblTitleCounter")->text().startsWith("Title: 4 characters, "));
    QTest::keyClick(&d().window(), Qt::Key_F9);
    QVERIFY(!panel->isVisible());
    MainWindow next(d().desktop(), {}, d().store());
    QVERIFY(!next.findChild<QAction *>("mnuViewPreviews")->isChecked());
}

void TestWebTagsPage::cardPicture_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("how");     // "", "Load Image", "setting on"
    QTest::addColumn<bool>("anyAddress"); // a card that may fetch from loopback
    QTest::addColumn<bool>("drawn");
    QTest::addColumn<int>("requests");
    QTest::addColumn<QString>("note");
    const auto row = [](const char *name, const char *source, const char *how, bool anyAddress,
                        bool drawn, int requests, const char *note) {
        QTest::newRow(name) << QString(source) << QString(how) << anyAddress << drawn << requests
                            << QString(note);
    };
    row("a local file", "file", "", false, true, 0, "");
    row("a file: address", "file:", "", false, true, 0, "");
    // Opened, either would keep the reader waiting or reading for ever.
    row("a FIFO", "fifo", "", false, false, 0, "Not a regular file");
    row("a device", "/dev/zero", "", false, false, 0, "Not a regular file");
    row("past the size limit", "large", "", false, false, 0, "too large");
    row("on the web, not asked", "http", "", false, false, 0, "");
    row("Load Image, from loopback", "http", "Load Image", false, false, 0,
        "127.0.0.1 is not a public address");
    row("the setting on, from loopback", "http", "setting on", false, false, 0,
        "127.0.0.1 is not a public address");
    row("Load Image", "http", "Load Image", true, true, 1, "");
    row("the setting on, not there", "gone", "setting on", true, false, 1, "404 Not Found");
}

// A picture on disk is read off the window's thread, from regular files only;
// one on the web only when asked, and never from this computer's address.
void TestWebTagsPage::cardPicture() {
    QFETCH(QString, source);
    QFETCH(QString, how);
    QFETCH(bool, anyAddress);
    QFETCH(bool, drawn);
    QFETCH(int, requests);
    QFETCH(QString, note);
    QTemporaryDir dir;
    const QString path = dir.filePath("card.png");
    test::writeBytes(path, png());
    test::TestHttpServer server;
    server.answer("/card.png", test::httpAnswer(200, png(), "Content-Type: image/png\r\n"));
    QString address = source == "file"    ? path
                      : source == "file:" ? QUrl::fromLocalFile(path).toString()
                      : source == "http"  ? server.url("/card.png").toString()
                      : source == "gone"  ? server.url("/gone.png").toString()
                                          : source;
    if (source == "fifo") {
        address = dir.filePath("fifo.png");
        QCOMPARE(mkfifo(QFile::encodeName(address), 0600), 0);
    } else if (source == "large") {
        address = dir.filePath("large.png");
        QFile large(address);
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(17 * 1024 * 1024));
    }

    SocialCardView any(10, [](const QHostAddress &) { return true; });
    SocialCardView *view = anyAddress ? &any : card();
    d().window().selectPage(Page::WebTags);
    d().showAndActivate();
    any.show();
    if (how == "setting on" && !anyAddress) {
        d().find<QCheckBox>("chkLoadWebImages")->setChecked(true);
        QVERIFY(d().store().loadsWebImages()); // kept for the next run
    }
    view->setLoadsFromWeb(how == "setting on");
    QSignalSpy changed(view, &SocialCardView::pictureChanged);
    SocialCard named;
    named.image = cardImage(address);
    if (anyAddress)
        view->setCard(named);
    else
        d().setText(Field::OgImage, address);
    QVERIFY(changed.count() > 0 || changed.wait(5000));
    auto *load = view->findChild<QPushButton *>("cmdLoadImage");
    QCOMPARE(load->isVisible(), how != "setting on" && address.startsWith("http"));
    if (how == "Load Image") {
        load->click();
        QVERIFY(changed.wait(5000));
    }
    QCOMPARE(!view->picture().isNull(), drawn);
    QCOMPARE(server.requestCount(QUrl(address).path()), requests);
    const auto *shown = view->findChild<QLabel *>("lblPictureNote");
    QCOMPARE(shown->isVisible() ? shown->text() : QString(),
             note.isEmpty() ? QString() : "The picture could not be loaded: " + note);
}

void TestWebTagsPage::publicAddresses_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("isPublic");
    for (const char *address : {"93.184.215.14", "2606:4700::6810:85e5"})
        QTest::newRow(address) << QString(address) << true;
    for (const char *address :
         {"127.0.0.1", "::1", "::ffff:127.0.0.1", "10.1.2.3", "172.16.0.1", "192.168.1.1",
          "100.64.0.1", "169.254.169.254", "fe80::1", "fd00::1", "0.0.0.0", "224.0.0.1"})
        QTest::newRow(address) << QString(address) << false;
}

void TestWebTagsPage::publicAddresses() {
    QFETCH(QString, address);
    QFETCH(bool, isPublic);
    QCOMPARE(isPublicAddress(QHostAddress(address)), isPublic);
}

QTEST_MAIN(TestWebTagsPage)
#include "test_web_tags_page.moc"
