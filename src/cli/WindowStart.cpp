#include "cli/WindowStart.h"

#include "files/TextFile.h"

#include <QFile>

namespace velko {

namespace {

// Qt takes its platform from -platform, else from QT_QPA_PLATFORM, else xcb;
// either may name several ("wayland;xcb"), each with options ("vnc:size=...").
// Only xcb is sure to fail without a display: any other platform (offscreen,
// vnc, wayland with its default socket) is left to Qt.
bool hasDisplay(const SortedArguments &arguments, const QProcessEnvironment &environment) {
    if (arguments.displayGiven || !environment.value(QStringLiteral("DISPLAY")).isEmpty() ||
        !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty())
        return true;
    const QString platforms = arguments.platform.isEmpty()
                                  ? environment.value(QStringLiteral("QT_QPA_PLATFORM"))
                                  : arguments.platform;
    for (const QString &platform : platforms.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        if (platform.section(QLatin1Char(':'), 0, 0) != QLatin1String("xcb"))
            return true;
    return false;
}

} // namespace

QString windowStartProblem(const SortedArguments &arguments,
                           const QProcessEnvironment &environment) {
    // The window imports the first page only.
    if (!arguments.pages.isEmpty()) {
        QFile page(arguments.pages.first());
        QString error;
        if (!openRegularFile(page, &error))
            return page.fileName() + QStringLiteral(": ") + error;
    }
    if (!hasDisplay(arguments, environment))
        return QStringLiteral("cannot open the window: no display (the command-line modes need "
                              "none)");
    return {};
}

} // namespace velko
