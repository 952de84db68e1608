#include "app/Settings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace velko::settings {

namespace {

QSettings store() {
    return QSettings(QStringLiteral("velko"), QStringLiteral("velko"));
}

} // namespace

int fetchTimeoutSeconds() {
    bool ok = false;
    const int seconds = store().value(QStringLiteral("fetch/timeoutSeconds"), 60).toInt(&ok);
    return ok && seconds > 0 ? seconds : 60;
}

QString dataFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                           QStringLiteral("/velko");
    QDir().mkpath(folder);
    return folder;
}

} // namespace velko::settings
