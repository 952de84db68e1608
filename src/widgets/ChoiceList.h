#pragma once

#include "fields/FormValue.h"

#include <QComboBox>

namespace velko {

// An editable drop-down list where only choosing from the list chooses an
// item: typed text stays typed text, even when it equals an item, and an
// item's text edited after it was chosen becomes typed text.
class ChoiceList : public QComboBox {
    Q_OBJECT

public:
    explicit ChoiceList(const QStringList &items, QWidget *parent = nullptr);

    ListValue value() const;
    // Index -1 leaves no item chosen and shows the given (typed) text.
    void setValue(const ListValue &value);
    // Adds an item at the end without choosing anything, as QComboBox would
    // when the list was empty.
    void appendItem(const QString &text);

protected:
    // The wheel chooses only in a list that has the focus; otherwise it
    // scrolls what the list is on.
    void wheelEvent(QWheelEvent *event) override;
};

} // namespace velko
