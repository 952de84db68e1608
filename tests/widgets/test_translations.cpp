#include "support/WindowDriver.h"
#include "widgets/Translations.h"

#include <QMenu>
#include <QTabWidget>

using namespace velko;

// The window in the language of the locale, loaded as the program loads it:
// German where a translation exists, English under "C". Qt's own texts (the
// message boxes' buttons) follow.
class TestTranslations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale::system()); }
    void windowSpeaksTheLocale_data();
    void windowSpeaksTheLocale();
};

void TestTranslations::windowSpeaksTheLocale_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("fileMenu");
    QTest::addColumn<QString>("firstTab");
    QTest::addColumn<QString>("notHtmlTitle");
    QTest::addColumn<QString>("notHtmlText");
    QTest::addColumn<QString>("cancelButton");

    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "&Datei"
                            << "Allgemeine Tags"
                            << "Dateiprüfung"
                            << "Diese Datei scheint keine gültige HTML-Datei zu sein.\r\n"
                               "Prüfen Sie die HTML-Syntax der Datei und versuchen Sie es erneut."
                            << "Abbrechen";
    QTest::newRow("C") << QLocale::c() << "&File"
                       << "General Tags"
                       << "File Validation"
                       << "This file does not appear to be a valid HTML file.\r\n"
                          "Check the file's HTML syntax and try again."
                       << "Cancel";
}

void TestTranslations::windowSpeaksTheLocale() {
    QFETCH(QLocale, locale);
    QLocale::setDefault(locale);
    const Translations translations;
    test::WindowDriver d;

    QTEST(d.find<QMenu>("mnuFile")->title(), "fileMenu");
    QTEST(d.find<QTabWidget>("TabStrip1")->tabText(0), "firstTab");
    d.window().setDocumentText("no head here");
    d.window().setTagsText("<title>x</title>");
    TRIGGER(d, "mnuTagsInsert");
    QCOMPARE(d.desktop().messages.size(), 1);
    QTEST(d.desktop().messages[0].title, "notHtmlTitle");
    QTEST(d.desktop().messages[0].text, "notHtmlText");
    QTEST(QCoreApplication::translate("QPlatformTheme", "Cancel"), "cancelButton");
}

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
