#pragma once

#include <QTranslator>

namespace velko {

// The window's texts in the user's language, and Qt's own (the standard
// buttons, the file dialogs), installed into the application for as long as
// this lives. The language is QLocale()'s: the system's (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG) unless a test has set another default. Where a
// translation is missing the texts stay English.
class Translations {
public:
    Translations();

private:
    QTranslator m_velko;
    QTranslator m_qt;
};

} // namespace velko
