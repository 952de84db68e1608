#pragma once

// What would keep the window from opening, found before its module is loaded,
// so that velko can say so plainly rather than open a window that cannot show
// the page, or have Qt abort.

#include "cli/Arguments.h"

#include <QProcessEnvironment>

namespace velko {

// The page to import cannot be read ("PAGE: <why>"), or there is no display to
// open the window on. Empty when the window may open.
QString windowStartProblem(const SortedArguments &arguments,
                           const QProcessEnvironment &environment);

} // namespace velko
