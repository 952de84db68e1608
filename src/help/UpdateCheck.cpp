#include "help/UpdateCheck.h"

#include "help/HelpLinks.h"
#include "net/WebFetcher.h"
#include "seams/DesktopServices.h"

#include <QCoreApplication>
#include <QList>
#include <QRegularExpression>

namespace velko {

namespace {

// The title of the check's messages.
QString title() {
    return QCoreApplication::translate("velko::UpdateCheck", "Program Update");
}

// A version as its whole part, its fraction's digits (so that "3" and "30"
// are the same fraction) and any further parts.
struct Version {
    QByteArray whole;
    QByteArray fraction;
    QList<QByteArray> further;
};

QByteArray withoutLeadingZeros(QByteArray digits) {
    while (digits.size() > 1 && digits.startsWith('0'))
        digits.remove(0, 1);
    return digits;
}

QByteArray withoutTrailingZeros(QByteArray digits) {
    while (digits.endsWith('0'))
        digits.chop(1);
    return digits;
}

// Digits compare as numbers: a longer number is larger, then digit by digit.
int compareNumbers(const QByteArray &a, const QByteArray &b) {
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

Version parse(QByteArrayView text) {
    const QList<QByteArray> parts = text.toByteArray().split('.');
    Version version{withoutLeadingZeros(parts[0]), {}, {}};
    if (parts.size() > 1)
        version.fraction = withoutTrailingZeros(parts[1]);
    for (qsizetype i = 2; i < parts.size(); ++i)
        version.further << withoutLeadingZeros(parts[i]);
    return version;
}

int compare(const Version &a, const Version &b) {
    if (const int whole = compareNumbers(a.whole, b.whole))
        return whole;
    // Fractions compare digit by digit from the left: .4 > .31 > .3
    if (const int fraction = a.fraction.compare(b.fraction))
        return fraction;
    for (qsizetype i = 0; i < std::max(a.further.size(), b.further.size()); ++i) {
        const QByteArray x = a.further.value(i, "0");
        const QByteArray y = b.further.value(i, "0");
        if (const int part = compareNumbers(x, y))
            return part;
    }
    return 0;
}

} // namespace

PublishedVersion comparePublishedVersion(QByteArrayView answer, const QString &currentVersion) {
    static const QRegularExpression versionNumber(QStringLiteral("^[0-9]+(\\.[0-9]+)*$"));
    const QByteArray trimmed = answer.trimmed().toByteArray();
    if (!versionNumber.match(QString::fromLatin1(trimmed)).hasMatch())
        return PublishedVersion::Unknown;
    return compare(parse(trimmed), parse(currentVersion.toLatin1())) > 0
               ? PublishedVersion::Newer
               : PublishedVersion::Current;
}

UpdateCheck::UpdateCheck(DesktopServices &desktop, WebFetcher &fetcher,
                         const QString &currentVersion, const QString &makerHost)
    : m_desktop(desktop)
    , m_fetcher(fetcher)
    , m_currentVersion(currentVersion)
    , m_makerHost(makerHost) {}

void UpdateCheck::run() {
    const QUrl versionFile = makerUrl(m_makerHost, MakerPage::VersionFile);
    const FetchResult fetched = m_fetcher.fetch(versionFile);
    // An error status is an answer of sorts: the server is there, the file is not.
    if (!fetched.succeeded() && fetched.status < 400) {
        m_desktop.showMessage(generalError(
            versionFile.toString() + QStringLiteral(": ") + fetched.detail, fetched.error));
        return;
    }
    switch (fetched.succeeded() ? comparePublishedVersion(fetched.body, m_currentVersion)
                                : PublishedVersion::Unknown) {
    case PublishedVersion::Unknown:
        m_desktop.showMessage({.title = title(),
                               .text = QCoreApplication::translate("velko::UpdateCheck",
                                                                   "Unable to connect to server."),
                               .informativeText = fetched.error});
        return;
    case PublishedVersion::Current:
        m_desktop.showMessage(
            {title(), QCoreApplication::translate("velko::UpdateCheck",
                                                  "Your version of Velko is current")});
        return;
    case PublishedVersion::Newer:
        break;
    }
    const Message question{title(),
                           QCoreApplication::translate("velko::UpdateCheck",
                                                       "A newer version of Velko is "
                                                       "available.\r\nWould you like to "
                                                       "download it?"),
                           Buttons::YesNo};
    if (m_desktop.showMessage(question) != Answer::Yes)
        return;
    const QUrl download = makerUrl(m_makerHost, MakerPage::VelkoHome);
    if (!m_desktop.openUrl(download))
        m_desktop.showMessage(generalError(
            QCoreApplication::translate("velko::UpdateCheck", "No browser could be started for %1")
                .arg(download.toString())));
}

} // namespace velko
