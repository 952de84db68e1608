#include "widgets/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace velko {

Translations::Translations() {
    const QLocale locale;
    // Velko's own are built into the program as :/i18n/velko_<language>.qm.
    if (m_velko.load(locale, QStringLiteral("velko"), QStringLiteral("_"),
                     QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(&m_velko);
    if (m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}

} // namespace velko
