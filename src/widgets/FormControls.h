#pragma once

#include "fields/FormLayout.h"
#include "fields/FormValue.h"

#include <array>
#include <functional>

class QCheckBox;
class QLineEdit;
class QObject;
class QWidget;

namespace velko {

class ChoiceList;
class TextArea;

// The controls of the tag form, built from the catalogue onto the four field
// pages. They hold the form; read() and write() map them to a FormValue.
class FormControls {
public:
    // `pages` are the "General Tags", "D.C. Tags", "Other Tags" and "Web Tags"
    // pages; the hidden slots become invisible children of `slotOwner`.
    FormControls(const std::array<QWidget *, kFormPageCount> &pages, QWidget *slotOwner);

    FormValue read() const;
    void write(const FormValue &form);

    // The control that takes the focus when a field page is shown.
    QWidget *firstControl(Page page) const;

    // Calls `changed` after each change of any control, by the user or by write().
    void onChange(QObject *context, const std::function<void()> &changed) const;
    // Calls `edited` after each change made in a control, not by write().
    void onEdit(QObject *context, const std::function<void()> &edited) const;

private:
    QWidget *buildControl(Control control, QWidget *page);
    QWidget *widget(Control control) const;

    // Indexed by the catalogue's enums.
    std::array<QLineEdit *, kFieldCount> m_lines{}; // single-line fields and slots
    std::array<TextArea *, kFieldCount> m_areas{};  // multi-line fields
    std::array<ChoiceList *, kListCount> m_lists{};
    std::array<QCheckBox *, kCheckCount> m_checks{};
    bool m_writing = false; // while write() sets the controls
};

} // namespace velko
