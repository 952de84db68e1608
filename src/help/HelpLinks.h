#pragma once

// The maker's pages that Velko points to, each an http address on the maker's
// host (a setting) with a fixed path.

#include <QUrl>

namespace velko {

enum class MakerPage {
    VersionFile, // the published version number
    VelkoHome,   // the program's home page, also its download page
    VelkoPage,   // the program page the About box links to (no final slash)
    Tutorial,
    Promote, // the article on promoting a site
    Support,
    VelkoOnline, // the online version of the program
    MakerHome,
};

QUrl makerUrl(const QString &makerHost, MakerPage page);
// mailto: with the maker's contact address.
QUrl contactUrl(const QString &contactAddress);

} // namespace velko
