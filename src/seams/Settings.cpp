#include "seams/Settings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace velko {

namespace {

// Velko's settings file; QSettings is neither copied nor moved, so this
// relies on the returned object being built in place.
QSettings store() {
    return QSettings(QStringLiteral("velko"), QStringLiteral("velko"));
}

const QString kRecentFormsKey = QStringLiteral("forms/recent");

} // namespace

Settings readSettings() {
    const QSettings store = velko::store();
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

QStringList SettingsRecentForms::recentForms() const {
    return store().value(kRecentFormsKey).toStringList();
}

void SettingsRecentForms::setRecentForms(const QStringList &paths) {
    store().setValue(kRecentFormsKey, paths);
}

} // namespace velko
