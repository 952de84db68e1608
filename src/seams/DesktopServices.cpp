#include "seams/DesktopServices.h"

#include <QCoreApplication>

namespace velko {

Message generalError(const QString &cause, const QString &reason) {
    return {QCoreApplication::translate("velko::DesktopServices", "Error"),
            QCoreApplication::translate("velko::DesktopServices", "An error has occurred!"),
            Buttons::Ok, cause, reason};
}

} // namespace velko
