#pragma once

#include "fields/FormFile.h"

#include <QMetaType>

Q_DECLARE_METATYPE(velko::FormValue)

namespace velko::test {

// A form written as a form file; a mistake in a test's JSON stops the run.
inline FormValue formOf(const QByteArray &json) {
    QString error;
    const std::optional<FormValue> form = parseFormFile(json, &error);
    if (!form)
        qFatal("bad test form %s: %s", json.constData(), qPrintable(error));
    return *form;
}

} // namespace velko::test
