#include "seams/Settings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace velko {

Settings readSettings() {
    const QSettings store(QStringLiteral("velko"), QStringLiteral("velko"));
    Settings settings;
    bool ok = false;
    const int seconds = store.value(QStringLiteral("fetch/timeoutSeconds")).toInt(&ok);
    if (ok && seconds > 0)
        settings.fetchTimeoutSeconds = seconds;
    settings.makerHost = store.value(QStringLiteral("maker/host"), settings.makerHost).toString();
    settings.contactAddress =
        store.value(QStringLiteral("maker/contact"), settings.contactAddress).toString();
    const QString helpFile = store.value(QStringLiteral("help/file")).toString();
    if (!helpFile.isEmpty())
        settings.helpFile = QUrl::fromLocalFile(helpFile);
    settings.dataFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                          QStringLiteral("/velko");
    QDir().mkpath(settings.dataFolder);
    return settings;
}

} // namespace velko
