#include "support/FormPrinting.h"

#include "cli/FormFile.h"

namespace velko {

char *toString(const FormValue &form) {
    return qstrdup(formFileText(form).constData());
}

} // namespace velko
