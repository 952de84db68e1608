#pragma once

#include "fields/FormValue.h"

#include <QMetaType>

Q_DECLARE_METATYPE(velko::FormValue)

namespace velko {

// Lets QCOMPARE show two forms that differ, as form-file JSON.
char *toString(const FormValue &form);

} // namespace velko
