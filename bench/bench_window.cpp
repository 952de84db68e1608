// Window benchmarks, run by bench/run.sh:
//   bench_window startup START_NS   prints ms from START_NS (CLOCK_REALTIME, taken
//                                   by the caller just before starting this
//                                   process) to the main window being exposed
//   bench_window text MEGABYTES     prints ms to put a document of that size
//                                   into the document area and to read it back
//   bench_window insert MEGABYTES   prints ms for Insert Tags Into File on a
//                                   document of that size, from the menu item
//                                   to the coloured block
//   bench_window import PAGE        prints ms to import the page as Import
//                                   File does: read, show, read its tags
//   bench_window save PAGE          imports the page, then prints ms for Save
//                                   File to write it back over itself
//   bench_window site FOLDER        Update Tags In Files on the pages under
//                                   FOLDER (which it changes): prints ms to
//                                   the preview shown, the longest the event
//                                   loop went unserved meanwhile, ms to the
//                                   pages written and the longest gap then
//   bench_window preview KEYS       types KEYS characters into Title on
//                                   General Tags, the previews beside it:
//                                   prints the median and the longest ms
//                                   from a key to the previews worked out
//                                   and drawn
//   bench_window editor FOLDER      opens FOLDER in the site editor: prints ms
//                                   to the table read and the longest gap
//                                   meanwhile; then imports a title list that
//                                   edits every page's title and prints ms for
//                                   Save Changes to write them (which changes
//                                   the pages) and the longest gap then
//   bench_window card IMAGE         shows the Web Tags page with og:image
//                                   IMAGE (a FIFO, /dev/tty, a huge file):
//                                   prints the longest the event loop went
//                                   unserved in the two seconds after

#include "document/SiteEdits.h"
#include "files/FileWrite.h"
#include "files/SitePages.h"
#include "seams/DesktopServices.h"
#include "widgets/MainWindow.h"
#include "widgets/SiteEditor.h"
#include "widgets/SiteUpdateDialog.h"
#include "widgets/TextArea.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

// Answers every question with OK, as a user confirming the insertion would.
class ConfirmingDesktop final : public velko::DesktopServices {
public:
    QStringList pages; // what the pages dialog chooses
    QString folder;    // what the folder dialog chooses
    QString file;      // what the file dialogs choose

    velko::Answer showMessage(const velko::Message &) override { return velko::Answer::Ok; }
    QString chooseFile(const velko::FileDialog &) override { return file; }
    QStringList choosePages(const QString &) override { return pages; }
    QString chooseFolder(const QString &) override { return folder; }
    void beep() override {}
    void setClipboardText(const QString &) override {}
    bool openUrl(const QUrl &) override { return true; }
    void showHelpContents(const QUrl &) override {}
    void showAbout(const velko::Settings &) override {}
};

long long nowNs() {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
}

QString htmlOfSize(qsizetype bytes) {
    const QString line = QStringLiteral("<p class=\"text\">Velko benchmark line with some words, a "
                                        "<a href=\"x.html\">link</a>.</p>\r\n");
    QString text = QStringLiteral("<html>\r\n<head>\r\n<title>t</title>\r\n</head>\r\n<body>\r\n");
    text.reserve(bytes + line.size());
    while (text.size() < bytes)
        text += line;
    return text;
}

// The longest time the event loop went without serving a timer, a stand-in
// for a click or a repaint, since the last reset.
class GapMeter {
public:
    GapMeter() {
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_longestNs = std::max(m_longestNs, m_sinceLast.nsecsElapsed());
            m_sinceLast.restart();
        });
        reset();
        m_timer.start();
    }
    void reset() {
        m_longestNs = 0;
        m_sinceLast.restart();
    }
    double longestMs() const { return double(m_longestNs) / 1e6; }

private:
    QTimer m_timer;
    QElapsedTimer m_sinceLast;
    qint64 m_longestNs = 0;
};

// Update Tags In Files with the form of run.sh's form.json, each page's own
// title and description kept.
int updateSite(velko::MainWindow &window, ConfirmingDesktop &desktop, const QString &folder) {
    velko::FormValue form;
    form[velko::Field::Title] = QStringLiteral("Bench");
    form[velko::Field::Author] = QStringLiteral("Ann");
    form[velko::List::Robot] = {0, QStringLiteral("all")};
    form[velko::Check::DCTitle] = true;
    window.setForm(form);
    desktop.pages = {folder};

    GapMeter gaps;
    QElapsedTimer timer;
    timer.start();
    window.findChild<QAction *>(QStringLiteral("mnuTagsUpdateFiles"))->trigger();
    auto *dialog = window.findChild<velko::SiteUpdateDialog *>();
    if (!dialog)
        return 1;
    QEventLoop wait;
    QObject::connect(dialog, &velko::SiteUpdateDialog::previewFinished, &wait, &QEventLoop::quit);
    wait.exec();
    std::printf("%.1f %.1f ", double(timer.nsecsElapsed()) / 1e6, gaps.longestMs());

    gaps.reset();
    timer.restart();
    QObject::connect(dialog, &QDialog::finished, &wait, &QEventLoop::quit);
    dialog->findChild<QPushButton *>(QStringLiteral("cmdUpdate"))->click();
    wait.exec();
    std::printf("%.1f %.1f\n", double(timer.nsecsElapsed()) / 1e6, gaps.longestMs());
    return 0;
}

int editSite(velko::MainWindow &window, ConfirmingDesktop &desktop, const QString &folder) {
    desktop.folder = folder;
    GapMeter gaps;
    QElapsedTimer timer;
    timer.start();
    window.findChild<QAction *>(QStringLiteral("mnuFileOpenSite"))->trigger();
    auto *editor = window.findChild<velko::SiteEditor *>();
    if (!editor)
        return 1;
    QEventLoop wait;
    QObject::connect(editor, &velko::SiteEditor::tableRead, &wait, &QEventLoop::quit);
    wait.exec();
    std::printf("%.1f %.1f ", double(timer.nsecsElapsed()) / 1e6, gaps.longestMs());

    std::vector<velko::TitleRow> rows;
    for (const QString &page : velko::pagesInFolder(folder, [] { return false; }))
        rows.push_back({QDir(folder).relativeFilePath(page), QStringLiteral("Edited ") + page, {}});
    QTemporaryDir scratch;
    desktop.file = scratch.filePath(QStringLiteral("titles.csv"));
    QString error;
    if (!velko::writeFileSafely(desktop.file, velko::titleListBytes(rows), &error))
        return 1;
    editor->importCsv();
    gaps.reset();
    timer.restart();
    editor->saveChanges();
    auto *confirm = editor->findChild<QDialog *>(QStringLiteral("dlgSaveChanges"));
    if (!confirm)
        return 1;
    confirm->accept();
    QObject::connect(editor, &velko::SiteEditor::changesSaved, &wait, &QEventLoop::quit);
    wait.exec();
    std::printf("%.1f %.1f\n", double(timer.nsecsElapsed()) / 1e6, gaps.longestMs());
    return 0;
}

// The social card's picture is read off the window's thread: whatever the
// address names, the window keeps serving events.
int showCard(velko::MainWindow &window, const QString &image) {
    velko::FormValue form;
    form[velko::Field::OgImage] = image;
    window.setForm(form);
    GapMeter gaps;
    window.selectPage(velko::Page::WebTags);
    QEventLoop wait;
    QTimer::singleShot(2000, &wait, &QEventLoop::quit);
    wait.exec();
    std::printf("%.1f\n", gaps.longestMs());
    return 0;
}

// Each key typed, then the event loop run until the previews are drawn.
int typeTitle(velko::MainWindow &window, int keys) {
    auto *title = window.findChild<QLineEdit *>(velko::objectNameOf(velko::Field::Title));
    if (!title || keys < 1)
        return 1;
    window.selectPage(velko::Page::General);
    QApplication::processEvents();
    std::vector<qint64> times;
    QElapsedTimer timer;
    for (int i = 0; i < keys; ++i) {
        timer.start();
        QTest::keyClick(title, char('a' + i % 26));
        QApplication::processEvents();
        times.push_back(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    std::printf("%.3f %.3f\n", double(times[times.size() / 2]) / 1e6, double(times.back()) / 1e6);
    return 0;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: bench_window startup START_NS | text MEGABYTES | insert "
                             "MEGABYTES | import PAGE | save PAGE | site FOLDER | card IMAGE | "
                             "preview KEYS\n");
        return 2;
    }
    ConfirmingDesktop desktop;
    velko::MemoryWindowStore store;
    velko::MainWindow window(desktop, velko::Settings{}, store);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    if (args[1] == QLatin1String("startup")) {
        std::printf("%.1f\n", double(nowNs() - args[2].toLongLong()) / 1e6);
        return 0;
    }

    if (args[1] == QLatin1String("site"))
        return updateSite(window, desktop, args[2]);
    if (args[1] == QLatin1String("editor"))
        return editSite(window, desktop, args[2]);
    if (args[1] == QLatin1String("card"))
        return showCard(window, args[2]);
    if (args[1] == QLatin1String("preview"))
        return typeTitle(window, args[2].toInt());

    auto *area = window.findChild<velko::TextArea *>(QStringLiteral("rtfFile"));
    window.selectPage(velko::Page::HtmlFile);
    QElapsedTimer timer;
    if (args[1] == QLatin1String("import")) {
        timer.start();
        window.importPage(args[2]);
        QApplication::processEvents();
        std::printf("%.1f\n", double(timer.nsecsElapsed()) / 1e6);
        return area->text().isEmpty() ? 1 : 0;
    }
    if (args[1] == QLatin1String("save")) {
        window.importPage(args[2]);
        QApplication::processEvents();
        timer.start();
        window.findChild<QAction *>(QStringLiteral("mnuFileSave"))->trigger();
        std::printf("%.1f\n", double(timer.nsecsElapsed()) / 1e6);
        return 0;
    }
    const QString text = htmlOfSize(qsizetype(args[2].toDouble() * 1024 * 1024));
    if (args[1] == QLatin1String("insert")) {
        area->setText(text);
        window.findChild<QAction *>(QStringLiteral("mnuFormFill"))->trigger();
        QApplication::processEvents();
        timer.start();
        window.findChild<QAction *>(QStringLiteral("mnuTagsInsert"))->trigger();
        QApplication::processEvents();
        std::printf("%.1f\n", double(timer.nsecsElapsed()) / 1e6);
        return area->text().size() > text.size() ? 0 : 1;
    }
    timer.start();
    area->setText(text);
    QApplication::processEvents(); // lay out and paint what is visible
    const double setMs = double(timer.nsecsElapsed()) / 1e6;
    timer.restart();
    const QString readBack = area->text();
    const double readMs = double(timer.nsecsElapsed()) / 1e6;
    if (readBack != text)
        return 1;
    std::printf("%.1f %.1f\n", setMs, readMs);
    return 0;
}
