#pragma once

// A site check's outcome as a check run: what the report and the window's
// report view show.

#include "check/SiteRun.h"
#include "report/CheckRun.h"

namespace velko {

// The run of `site` over `pages`, their paths made relative to `folder`;
// pages that could not be read are counted apart. Takes the findings out of
// `site`. The skipped rules are the caller's to name.
CheckRun siteCheckRun(const QString &folder, const QString &subject, const QStringList &pages,
                      SiteRun &site);

// `run` with its pages' paths, relative to the folder `from`, made relative
// to the folder `to`: the run as a report saved in `to` links to its pages.
CheckRun runRelativeTo(CheckRun run, const QString &from, const QString &to);

} // namespace velko
