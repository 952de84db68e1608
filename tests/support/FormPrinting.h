#pragma once

#include "fields/FormValue.h"

#include <QMetaType>

Q_DECLARE_METATYPE(velko::FormValue)
