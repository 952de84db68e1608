#include "app/MainWindow.h"
#include "app/QtDesktopServices.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velko"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velko"));
    QApplication::setApplicationVersion(QStringLiteral(VELKO_VERSION));

    velko::QtDesktopServices desktop;
    velko::MainWindow window(desktop);
    desktop.setOwner(&window);
    window.show();
    return app.exec();
}
