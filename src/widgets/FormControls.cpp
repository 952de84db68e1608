#include "widgets/FormControls.h"

#include "fields/FormLayout.h"
#include "widgets/ChoiceList.h"
#include "widgets/TextArea.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <algorithm>

namespace velko {

namespace {

constexpr int kShortBoxCharacters = 5;
constexpr int kMultiLineRows = 3;

QStringList itemsOf(const ListEntry &entry) {
    QStringList items;
    for (const char *item : entry.items)
        items << QString::fromUtf8(item);
    return items;
}

// A label showing a form text translated; its object name comes from the
// English text, so it is the same in every language.
QLabel *label(const char *source, QWidget *parent) {
    auto *label = new QLabel(formText(source), parent);
    label->setObjectName(
        QStringLiteral("lbl") +
        QString::fromUtf8(source).remove(QRegularExpression(QStringLiteral("[^A-Za-z]"))));
    return label;
}

void setShortWidth(QWidget *box) {
    box->setFixedWidth(
        box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * kShortBoxCharacters + 12);
}

} // namespace

FormControls::FormControls(const std::array<QWidget *, kFormPageCount> &pages, QWidget *slotOwner) {
    std::array<QGridLayout *, kFormPageCount> grids{};
    for (int i = 0; i < kFormPageCount; ++i) {
        grids[i] = new QGridLayout(pages[i]);
        grids[i]->setColumnStretch(1, 1);
    }

    QWidget *previous = nullptr;
    auto chain = [&previous](QWidget *next) {
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    };

    for (const FormRow &row : formRows()) {
        const int pageIndex = int(row.page) - int(Page::General);
        QWidget *page = pages[pageIndex];
        QGridLayout *grid = grids[pageIndex];
        const int gridRow = grid->rowCount();

        auto *cell = new QHBoxLayout;
        cell->setContentsMargins(0, 0, 0, 0);
        for (Control control : {row.main, row.second}) {
            if (!control)
                continue;
            const char *ownLabel = catalogueLabel(control);
            QWidget *widget = buildControl(control, page);
            widget->setAccessibleName(accessibleName(row, control));
            widget->setToolTip(controlTooltip(control));
            widget->setAccessibleDescription(controlTooltip(control));
            if (control.kind != Control::Kind::Check && qstrcmp(ownLabel, row.label) != 0) {
                QLabel *inline_ = label(ownLabel, page);
                inline_->setBuddy(widget);
                cell->addWidget(inline_);
            }
            cell->addWidget(widget);
            chain(widget);
        }
        if (*row.trailing)
            cell->addWidget(label(row.trailing, page));
        if (row.main.kind != Control::Kind::Text)
            cell->addStretch(1);

        if (*row.label) {
            QLabel *rowCaption = label(row.label, page);
            if (row.main.kind != Control::Kind::Check &&
                qstrcmp(catalogueLabel(row.main), row.label) == 0)
                rowCaption->setBuddy(widget(row.main));
            const bool tall =
                row.main.kind == Control::Kind::Text && fieldEntry(Field(row.main.id)).multiLine;
            grid->addWidget(rowCaption, gridRow, 0,
                            Qt::AlignLeft | (tall ? Qt::AlignTop : Qt::AlignVCenter));
        }
        grid->addLayout(cell, gridRow, 1);
    }
    for (QGridLayout *grid : grids)
        grid->setRowStretch(grid->rowCount(), 1);

    // Hidden slots and the spare slot: never shown, never reached.
    for (const FieldEntry &entry : allFields()) {
        if (entry.page != Page::None)
            continue;
        auto *slot = new QLineEdit(slotOwner);
        slot->setObjectName(objectNameOf(entry.field));
        slot->setAccessibleName(QString::fromUtf8(entry.name));
        slot->hide();
        m_lines[indexOf(entry.field)] = slot;
    }
}

QWidget *FormControls::buildControl(Control control, QWidget *page) {
    switch (control.kind) {
    case Control::Kind::Text: {
        const FieldEntry &entry = fieldEntry(Field(control.id));
        if (entry.multiLine) {
            auto *area = new TextArea(page);
            area->setTabChangesFocus(true);
            area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            area->setFixedHeight(area->fontMetrics().lineSpacing() * kMultiLineRows +
                                 2 * (area->frameWidth() + 4));
            area->setObjectName(objectNameOf(entry.field));
            m_areas[control.id] = area;
            return area;
        }
        auto *line = new QLineEdit(page);
        line->setObjectName(objectNameOf(entry.field));
        if (entry.field == Field::RefreshSeconds || entry.field == Field::OtherLanguage)
            setShortWidth(line);
        m_lines[control.id] = line;
        return line;
    }
    case Control::Kind::List: {
        const ListEntry &entry = listEntry(List(control.id));
        const QStringList items = itemsOf(entry);
        auto *list = new ChoiceList(items, page);
        // Wide enough for the longest item, as typed text is often an item.
        const auto longest = std::max_element(items.begin(), items.end(),
                                              [](auto &a, auto &b) { return a.size() < b.size(); });
        list->setMinimumContentsLength(int(longest->size()) + 1);
        list->setObjectName(objectNameOf(entry.list));
        m_lists[control.id] = list;
        return list;
    }
    case Control::Kind::Check: {
        const CheckEntry &entry = checkEntry(Check(control.id));
        auto *box = new QCheckBox(formText(entry.caption), page);
        box->setObjectName(objectNameOf(entry.check));
        m_checks[control.id] = box;
        return box;
    }
    case Control::Kind::None:
        break;
    }
    return nullptr;
}

QWidget *FormControls::widget(Control control) const {
    switch (control.kind) {
    case Control::Kind::Text:
        if (m_areas[control.id])
            return m_areas[control.id];
        return m_lines[control.id];
    case Control::Kind::List:
        return m_lists[control.id];
    case Control::Kind::Check:
        return m_checks[control.id];
    case Control::Kind::None:
        break;
    }
    return nullptr;
}

FormValue FormControls::read() const {
    FormValue form;
    for (int i = 0; i < kFieldCount; ++i)
        form[Field(i)] = m_areas[i] ? m_areas[i]->text() : m_lines[i]->text();
    for (int i = 0; i < kListCount; ++i)
        form[List(i)] = m_lists[i]->value();
    for (int i = 0; i < kCheckCount; ++i)
        form[Check(i)] = m_checks[i]->isChecked();
    return form;
}

void FormControls::write(const FormValue &form) {
    const QScopedValueRollback writing(m_writing, true);
    for (int i = 0; i < kFieldCount; ++i) {
        if (m_areas[i])
            m_areas[i]->setText(form[Field(i)]);
        else
            m_lines[i]->setText(form[Field(i)]);
    }
    for (int i = 0; i < kListCount; ++i)
        m_lists[i]->setValue(form[List(i)]);
    for (int i = 0; i < kCheckCount; ++i)
        m_checks[i]->setChecked(form[Check(i)]);
}

void FormControls::onChange(QObject *context, const std::function<void()> &changed) const {
    for (int i = 0; i < kFieldCount; ++i) {
        if (m_areas[i])
            QObject::connect(m_areas[i], &QPlainTextEdit::textChanged, context, changed);
        else
            QObject::connect(m_lines[i], &QLineEdit::textChanged, context, changed);
    }
    for (ChoiceList *list : m_lists)
        QObject::connect(list, &QComboBox::currentTextChanged, context, changed);
    for (QCheckBox *box : m_checks)
        QObject::connect(box, &QCheckBox::toggled, context, changed);
}

void FormControls::onEdit(QObject *context, const std::function<void()> &edited) const {
    onChange(context, [this, edited] {
        if (!m_writing)
            edited();
    });
}

QWidget *FormControls::firstControl(Page page) const {
    for (const FormRow &row : formRows())
        if (row.page == page)
            return widget(row.main);
    return nullptr;
}

} // namespace velko
