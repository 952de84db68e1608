#include "cli/Session.h"

#include "fields/FormFile.h"
#include "files/FileWrite.h"
#include "files/TextFile.h"

#include <QFile>

namespace velko {

int Session::fail(int code, const QString &message) {
    m_err.write(QByteArrayLiteral("velko: ") + message.toUtf8() + '\n');
    return code;
}

int Session::usageError(const QString &message) {
    return fail(kUsage, message + QStringLiteral(" (see velko --help)"));
}

void Session::print(const QByteArray &bytes) {
    m_out.write(bytes);
}

std::optional<QByteArray> Session::readInput(const QString &path) {
    QFile file(path);
    if (path != QLatin1String("-") && !file.open(QIODevice::ReadOnly)) {
        fail(kUsage, path + QStringLiteral(": ") + file.errorString());
        return {};
    }
    QString error;
    std::optional<QByteArray> bytes =
        readAtMost(file.isOpen() ? static_cast<QIODevice &>(file) : m_in, kInputLimit, &error);
    if (!bytes)
        fail(kUsage, path + QStringLiteral(": ") + error);
    return bytes;
}

bool Session::writeOutput(const QString &path, const QByteArray &bytes, QString *error) {
    if (path == QLatin1String("-")) {
        print(bytes);
        return true;
    }
    return writeFileSafely(path, bytes, error, {.streams = true});
}

std::optional<FormValue> Session::readForm(const QString &path) {
    const std::optional<QByteArray> json = readInput(path);
    if (!json)
        return {};
    QString error;
    std::optional<FormValue> form = parseFormFile(*json, &error);
    if (!form)
        fail(kUsage, path + QStringLiteral(": ") + error);
    return form;
}

} // namespace velko
