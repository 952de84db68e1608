// The window half of the program, built as a module that the velko executable
// loads only when it opens the window: the command-line modes then start
// without loading the GUI libraries, several times faster.

#include "widgets/MainWindow.h"
#include "widgets/QtDesktopServices.h"
#include "widgets/Translations.h"

#include <QApplication>

extern "C" Q_DECL_EXPORT int velkoRunWindow(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velko"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velko"));
    QApplication::setApplicationVersion(QStringLiteral(VELKO_VERSION));
    const velko::Translations translations; // before the window builds its texts

    velko::QtDesktopServices desktop;
    velko::MainWindow window(desktop, velko::readSettings());
    desktop.setOwner(&window);
    window.show();
    // "velko PAGE", as from a file manager's Open With: the page is imported.
    const QStringList pages = QApplication::arguments().mid(1);
    if (!pages.isEmpty())
        window.importPage(pages.first());
    return app.exec();
}
