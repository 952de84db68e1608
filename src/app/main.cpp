#include "app/MainWindow.h"
#include "app/QtDesktopServices.h"
#include "cli/CommandLine.h"

#include <QApplication>
#include <QFile>
#include <cstdio>

namespace {

// The command-line modes run on a plain QCoreApplication: no display needed.
int runWithoutWindow(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velko"));
    QFile in, out, err;
    in.open(stdin, QIODevice::ReadOnly);
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly);
    return velko::runCommandLine(QCoreApplication::arguments(), in, out, err);
}

} // namespace

int main(int argc, char *argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (velko::isCommandLineMode(arguments))
        return runWithoutWindow(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velko"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velko"));
    QApplication::setApplicationVersion(QStringLiteral(VELKO_VERSION));

    velko::QtDesktopServices desktop;
    velko::MainWindow window(desktop);
    desktop.setOwner(&window);
    window.show();
    // "velko PAGE", as from a file manager's Open With: the page is imported.
    const QStringList pages = QApplication::arguments().mid(1);
    if (!pages.isEmpty())
        window.importPage(pages.first());
    return app.exec();
}
