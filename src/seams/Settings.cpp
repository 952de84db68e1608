#include "seams/Settings.h"

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

QString makerHost() {
    return store()
        .value(QStringLiteral("maker/host"), QStringLiteral("www.harbordale.example"))
        .toString();
}

QString contactAddress() {
    return store()
        .value(QStringLiteral("maker/contact"), QStringLiteral("webmaster@harbordale.example"))
        .toString();
}

QUrl helpFile() {
    const QString file = store().value(QStringLiteral("help/file")).toString();
    return file.isEmpty() ? QUrl(QStringLiteral("qrc:/help/index.html"))
                          : QUrl::fromLocalFile(file);
}

QString dataFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                           QStringLiteral("/velko");
    QDir().mkpath(folder);
    return folder;
}

} // namespace velko::settings
