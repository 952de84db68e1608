#pragma once

#include <QByteArrayView>
#include <QString>

namespace velko {

class DesktopServices;
class WebFetcher;

enum class PublishedVersion { Newer, Current, Unknown };

// What the version file says about `currentVersion`. The answer is trimmed;
// one that is not a version number (digits, dot-separated) is Unknown.
// Versions compare as decimal numbers: 1.4, 1.32, 2.0 and 10 are newer than
// 1.31; 1.30, 1.3 and 1.310 are not. Further parts compare in turn (1.31.1 is
// newer).
PublishedVersion comparePublishedVersion(QByteArrayView answer, const QString &currentVersion);

// Check For Upgrade: fetches the version file and says what it found,
// offering to open the download page when there is a newer version.
class UpdateCheck {
public:
    UpdateCheck(DesktopServices &desktop, WebFetcher &fetcher, const QString &currentVersion,
                const QString &makerHost);

    void run();

private:
    DesktopServices &m_desktop;
    WebFetcher &m_fetcher;
    QString m_currentVersion;
    QString m_makerHost;
};

} // namespace velko
