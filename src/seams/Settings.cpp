#include "seams/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
const QString kGeometryKey = QStringLiteral("window/geometry");
const QString kWebImagesKey = QStringLiteral("preview/loadWebImages");

constexpr QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner;

// A folder of Velko's own that only its owner may enter.
void makePrivateFolder(const QString &path) {
    QDir().mkpath(path);
    QFile::setPermissions(path, kOwnerOnly | QFile::ExeOwner);
}

// The settings file, readable by its owner only. QSettings replaces it with a
// file of the same permissions, so a new one is made before it writes.
void makePrivateSettings(const QString &path) {
    makePrivateFolder(QFileInfo(path).path());
    QFile file(path);
    if (!file.exists())
        file.open(QIODevice::WriteOnly | QIODevice::NewOnly, kOwnerOnly);
    QFile::setPermissions(path, kOwnerOnly);
}

} // namespace

QString dataFolderPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/velko");
}

Settings readSettings() {
    const QSettings store = velko::store();
    makePrivateSettings(store.fileName());
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
    settings.dataFolder = dataFolderPath();
    makePrivateFolder(settings.dataFolder);
    return settings;
}

QStringList SettingsWindowStore::recentForms() const {
    return store().value(kRecentFormsKey).toStringList();
}

void SettingsWindowStore::setRecentForms(const QStringList &paths) {
    store().setValue(kRecentFormsKey, paths);
}

QByteArray SettingsWindowStore::windowGeometry() const {
    return store().value(kGeometryKey).toByteArray();
}

void SettingsWindowStore::setWindowGeometry(const QByteArray &geometry) {
    store().setValue(kGeometryKey, geometry);
}

bool SettingsWindowStore::loadsWebImages() const {
    return store().value(kWebImagesKey, false).toBool();
}

void SettingsWindowStore::setLoadsWebImages(bool loads) {
    store().setValue(kWebImagesKey, loads);
}

namespace {

const char *const kViewOptionKeys[] = {"view/showPreviews", "view/wrapLongLines"};
static_assert(std::size(kViewOptionKeys) == std::size(kViewOptionDefaults));

} // namespace

bool SettingsWindowStore::viewOption(ViewOption option) const {
    return store()
        .value(QLatin1String(kViewOptionKeys[int(option)]), kViewOptionDefaults[int(option)])
        .toBool();
}

void SettingsWindowStore::setViewOption(ViewOption option, bool on) {
    store().setValue(QLatin1String(kViewOptionKeys[int(option)]), on);
}

} // namespace velko
