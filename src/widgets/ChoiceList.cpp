#include "widgets/ChoiceList.h"

#include <QLineEdit>
#include <QWheelEvent>

namespace velko {

ChoiceList::ChoiceList(const QStringList &items, QWidget *parent)
    : QComboBox(parent) {
    setEditable(true);
    addItems(items);
    setCurrentIndex(-1);

    // QComboBox chooses the item matching typed text through its completer,
    // on Enter, and when editing finishes; none of that may happen here.
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(true);
    disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    setFocusPolicy(Qt::StrongFocus); // the wheel gives no focus
}

ListValue ChoiceList::value() const {
    // Text edited after an item was chosen is typed text: the item no longer
    // stands for it.
    if (currentIndex() >= 0 && currentText() != itemText(currentIndex()))
        return {-1, currentText()};
    return {currentIndex(), currentText()};
}

void ChoiceList::setValue(const ListValue &value) {
    setCurrentIndex(value.index);
    if (value.index == -1)
        setEditText(value.text);
}

void ChoiceList::appendItem(const QString &text) {
    const ListValue before = value();
    addItem(text);
    setValue(before);
}

void ChoiceList::wheelEvent(QWheelEvent *event) {
    if (hasFocus())
        QComboBox::wheelEvent(event);
    else
        event->ignore();
}

} // namespace velko
