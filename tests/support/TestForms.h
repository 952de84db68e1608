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

// Every control holds something, and something different.
inline FormValue fullForm() {
    FormValue form;
    for (const FieldEntry &entry : allFields())
        if (entry.field != Field::Spare)
            form[entry.field] = QString("%1 \"ł\" & \\ \x01").arg(entry.name);
    form[Field::Comments] = "two\r\nlines";
    // Each list's last item, as Viewport has only one.
    for (const ListEntry &entry : allLists())
        form[entry.list] = {int(entry.items.size()) - 1, QString::fromUtf8(entry.items.back())};
    form[List::Language] = {-1, "typed"};
    for (const CheckEntry &entry : allChecks())
        form[entry.check] = int(entry.check) % 2 == 0;
    return form;
}

// The form with only the controls on `page` kept, or with `on` false only the others.
inline FormValue onPage(FormValue form, Page page, bool on = true) {
    for (const FieldEntry &entry : allFields())
        form[entry.field] = (entry.page == page) == on ? form[entry.field] : QString();
    for (const ListEntry &entry : allLists())
        form[entry.list] = (entry.page == page) == on ? form[entry.list] : ListValue();
    for (const CheckEntry &entry : allChecks())
        form[entry.check] = (entry.page == page) == on && form[entry.check];
    return form;
}

} // namespace velko::test
