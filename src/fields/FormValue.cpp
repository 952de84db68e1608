#include "fields/FormValue.h"

#include <algorithm>
#include <functional>

namespace velko {

namespace {

bool allEmpty(auto begin, auto end) {
    return std::all_of(begin, end, [](const QString &text) { return text.isEmpty(); });
}

bool nothingChosen(const auto &lists) {
    return std::all_of(lists.begin(), lists.end(), [](const ListValue &list) {
        return list.index == -1 && list.text.trimmed().isEmpty();
    });
}

} // namespace

bool isFormEmpty(const FormValue &form) {
    const WebTagsValue &web = form.web;
    const bool webEmpty = allEmpty(web.texts.begin(), web.texts.end()) &&
                          nothingChosen(web.lists) &&
                          std::none_of(web.checks.begin(), web.checks.end(), std::identity());
    return allEmpty(form.texts.begin() + 1, form.texts.end()) && nothingChosen(form.lists) &&
           !form[Check::DCTitle] && !form[Check::DCDescription] && !form[Check::DCSubject] &&
           webEmpty;
}

void clearForm(FormValue &form) {
    std::fill(form.texts.begin() + 1, form.texts.end(), QString());
    form.lists.fill(ListValue{});
    form.checks.fill(false);
    form.web = {};
}

} // namespace velko
