#include "help/HelpLinks.h"

namespace velko {

namespace {

const char *pathOf(MakerPage page) {
    switch (page) {
    case MakerPage::VersionFile:
        return "/tools/freeware/velko/version.txt";
    case MakerPage::VelkoHome:
        return "/tools/freeware/velko/";
    case MakerPage::VelkoPage:
        return "/tools/freeware/velko";
    case MakerPage::Tutorial:
        return "/tools/freeware/velko/tutorial/";
    case MakerPage::Promote:
        return "/viewpoints/articles/promote.php";
    case MakerPage::Support:
        return "/tools/freeware/velko/support%20velko";
    case MakerPage::VelkoOnline:
        return "/tools/velkoonline/";
    case MakerPage::MakerHome:
        break;
    }
    return "/";
}

} // namespace

QUrl makerUrl(const QString &makerHost, MakerPage page) {
    return QUrl(QStringLiteral("http://") + makerHost + QString::fromUtf8(pathOf(page)),
                QUrl::StrictMode);
}

QUrl contactUrl(const QString &contactAddress) {
    return QUrl(QStringLiteral("mailto:") + contactAddress);
}

} // namespace velko
