#include "fields/FormValue.h"

#include <algorithm>

namespace velko {

namespace {

// The boxes that repeat Title, Keywords or Description as comments: checking
// one does not make a form filled in.
bool isCommentBox(Check check) {
    return check == Check::TitleComments || check == Check::KeywordsComments ||
           check == Check::DescriptionComments;
}

} // namespace

bool isFormEmpty(const FormValue &form) {
    const auto textEmpty = [&](const FieldEntry &entry) {
        return entry.field == Field::Spare || form[entry.field].isEmpty();
    };
    const auto nothingChosen = [](const ListValue &list) {
        return list.index == -1 && list.text.trimmed().isEmpty();
    };
    const auto unchecked = [&](const CheckEntry &entry) {
        return isCommentBox(entry.check) || !form[entry.check];
    };
    return std::ranges::all_of(allFields(), textEmpty) &&
           std::ranges::all_of(form.lists, nothingChosen) &&
           std::ranges::all_of(allChecks(), unchecked);
}

void clearForm(FormValue &form) {
    const QString spare = form[Field::Spare];
    form = {};
    form[Field::Spare] = spare;
}

} // namespace velko
