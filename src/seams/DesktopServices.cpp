#include "seams/DesktopServices.h"

namespace velko {

Message generalError(const QString &cause) {
    return {QStringLiteral("Error"), QStringLiteral("An error has occurred!"), Buttons::Ok, cause};
}

} // namespace velko
