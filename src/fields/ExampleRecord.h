#pragma once

#include "fields/FormValue.h"

namespace velko {

inline constexpr auto kExampleEmail = "webmaster@harbordale.example";
inline constexpr auto kExampleHomePage = "http://www.harbordale.example/";

// Fill In Examples: writes the example record over the form. Other Language,
// the hidden slots and the Web Tags page are not part of the record and keep
// their values.
void fillInExamples(FormValue &form);

} // namespace velko
