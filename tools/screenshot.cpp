// Takes the pictures of Velko in docs/: the main window with the example
// record on a given tab, and the About box.
//   screenshot window TAB FILE.png    (TAB from 1 to 6)
//   screenshot about FILE.png

#include "widgets/AboutBox.h"
#include "widgets/MainWindow.h"
#include "widgets/QtDesktopServices.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <cstdio>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool window = args.size() == 4 && args[1] == QLatin1String("window");
    const bool about = args.size() == 3 && args[1] == QLatin1String("about");
    if (!window && !about) {
        std::fprintf(stderr, "usage: screenshot window TAB FILE.png | about FILE.png\n");
        return 2;
    }
    velko::QtDesktopServices desktop;
    // The pictures show the settings as they come, whatever the user has set.
    const velko::Settings settings;
    QWidget *shown = nullptr;
    velko::MemoryWindowStore store;
    velko::MainWindow mainWindow(desktop, settings, store);
    velko::AboutBox *box = nullptr;
    if (window) {
        mainWindow.findChild<QAction *>(QStringLiteral("mnuFormFill"))->trigger();
        mainWindow.selectPage(velko::Page(args[2].toInt()));
        shown = &mainWindow;
    } else {
        box = new velko::AboutBox(desktop, settings);
        shown = box;
    }
    shown->show();
    if (!QTest::qWaitForWindowExposed(shown))
        return 1;
    QTest::qWait(200);
    return shown->grab().save(args.last()) ? 0 : 1;
}
