#include "import/UrlHistory.h"

#include "files/TextFile.h"

namespace velko {

QString urlHistoryPath(const QString &dataFolder) {
    return dataFolder + QStringLiteral("/Url.dat");
}

QStringList loadUrlHistory(const QString &path) {
    QString error;
    const std::optional<DecodedText> file = readTextFile(path, &error);
    if (!file)
        return {};
    // A line far longer than any address is not one: it is left out rather
    // than offered in the list.
    constexpr qsizetype kLongestAddress = 64 * 1024;
    QStringList urls;
    const QString text = withLineBreaks(file->text, LineBreak::Lf);
    for (QStringView line : QStringView(text).split(u'\n')) {
        const QStringView url = line.trimmed();
        if (!url.isEmpty() && url.size() <= kLongestAddress)
            urls << url.toString();
    }
    return urls;
}

bool saveUrlHistory(const QString &path, const QStringList &urls, QString *error) {
    QString text;
    for (const QString &url : urls)
        text += url + QStringLiteral("\r\n");
    // An empty history is an empty file, not one line break.
    const QByteArray bytes = text.isEmpty() ? QByteArray() : encodeText(text, TextFormat{});
    return writeFileSafely(path, bytes, error, {.ownerOnly = true});
}

} // namespace velko
