#include "cli/Session.h"

#include "fields/FormFile.h"

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
    if (path == QLatin1String("-"))
        return m_in.readAll();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(kUsage, path + QStringLiteral(": ") + file.errorString());
        return {};
    }
    return file.readAll();
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
