// The window half of the program, built as a module that the velko executable
// loads only when it opens the window: the command-line modes then start
// without loading the GUI libraries, several times faster.

#include "cli/Arguments.h"
#include "widgets/MainWindow.h"
#include "widgets/QtDesktopServices.h"
#include "widgets/Translations.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

// velko checks for a display before loading the window, but one can still be
// named and gone (a stale DISPLAY): the platform plugin then fails with a
// fatal message, on which Qt would abort.
void exitOnFatal(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    if (type != QtFatalMsg)
        return;
    std::fputs("velko: cannot open the window (the command-line modes need no display)\n", stderr);
    std::fflush(nullptr);
    std::_Exit(1);
}

} // namespace

extern "C" Q_DECL_EXPORT int velkoRunWindow(int argc, char *argv[]) {
    qInstallMessageHandler(exitOnFatal);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    QApplication::setApplicationName(QStringLiteral("velko"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velko"));
    QApplication::setApplicationVersion(QStringLiteral(VELKO_VERSION));
    const velko::Translations translations; // before the window builds its texts

    velko::QtDesktopServices desktop;
    velko::SettingsWindowStore store;
    velko::MainWindow window(desktop, velko::readSettings(), store);
    desktop.setOwner(&window);
    window.show();
    // "velko PAGE", as from a file manager's Open With: the page is imported.
    const QStringList pages = velko::sortArguments(QApplication::arguments()).pages;
    if (!pages.isEmpty())
        window.importPage(pages.first());
    return app.exec();
}
