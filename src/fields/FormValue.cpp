#include "fields/FormValue.h"

#include <algorithm>

namespace velko {

bool isFormEmpty(const FormValue &form) {
    const bool textsEmpty = std::all_of(form.texts.begin() + 1, form.texts.end(),
                                        [](const QString &text) { return text.isEmpty(); });
    const bool nothingChosen =
        std::all_of(form.lists.begin(), form.lists.end(), [](const ListValue &list) {
            return list.index == -1 && list.text.trimmed().isEmpty();
        });
    return textsEmpty && nothingChosen && !form[Check::DCTitle] && !form[Check::DCDescription] &&
           !form[Check::DCSubject];
}

void clearForm(FormValue &form) {
    std::fill(form.texts.begin() + 1, form.texts.end(), QString());
    form.lists.fill(ListValue{});
    form.checks.fill(false);
}

} // namespace velko
