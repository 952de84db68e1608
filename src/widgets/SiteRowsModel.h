#pragma once

#include "commands/SiteTable.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QStyledItemDelegate>

namespace velko {

// The site editor's table over a SiteTable, a row a page. Title and
// Description are editable; a changed cell is bold, shared titles and
// descriptions are highlighted, widths past a search result's room are in the
// warning colour. Qt::UserRole is the sort key.
class SiteRowsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        PageColumn,
        TitleColumn,
        TitlePixelsColumn,
        DescriptionColumn,
        DescriptionPixelsColumn,
        RobotsColumn,
        CanonicalColumn,
        FindingsColumn,
        ChangedColumn,
        ColumnCount
    };

    SiteRowsModel(SiteTable &table, QObject *parent);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    void setEditable(bool editable) { m_editable = editable; }
    // The rows read: a reset.
    void replaceTable(SiteTable table);
    // The table changed as a whole: edits imported or saved.
    void tableChanged();

private:
    SiteTable &m_table;
    bool m_editable = true;
};

// The rows that pass a RowFilter, sorted by the model's sort keys.
class SiteRowsFilter : public QSortFilterProxyModel {
    Q_OBJECT

public:
    SiteRowsFilter(const SiteTable &table, QObject *parent);
    void setRowFilter(const RowFilter &filter);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    const SiteTable &m_table;
    RowFilter m_filter;
};

// Title and Description cells are edited in a line with the live width
// against the search result's room beside the text, in the warning colour
// past it.
class SiteCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
};

} // namespace velko
