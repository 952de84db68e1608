#include "widgets/SiteRowsModel.h"

#include "tags/SearchWidths.h"
#include "tags/WebPreview.h"
#include "widgets/FindingsList.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace velko {

namespace {

const QColor kWarning(0xc5, 0x22, 0x1f); // the Web Tags counters' warning colour
const QColor kShared(0xff, 0xf3, 0xc4);

QString findingsText(const SiteRow &row) {
    if (!row.error.isEmpty())
        return SiteRowsModel::tr("unreadable");
    const std::optional<Severity> worst = row.worstSeverity();
    if (!worst)
        return QStringLiteral("0");
    return QStringLiteral("%1 (%2)").arg(row.findings.size()).arg(severityCaption(*worst));
}

// Errors first, then warnings, then notes, the most of them first; pages
// without findings last.
qlonglong findingsKey(const SiteRow &row) {
    const std::optional<Severity> worst = row.worstSeverity();
    return worst ? qlonglong(*worst) * 1000000 - qlonglong(row.findings.size()) : 10000000;
}

// The line editor of a title or a description: its width beside the text.
class CellEditor : public QLineEdit {
public:
    CellEditor(bool title, QWidget *parent)
        : QLineEdit(parent)
        , m_title(title)
        , m_counter(new QLabel(this)) {
        setObjectName(QStringLiteral("txtSiteCell"));
        m_counter->setObjectName(QStringLiteral("lblCellCounter"));
        auto *layout = new QHBoxLayout(this);
        layout->setContentsMargins(0, 0, 4, 0);
        layout->addStretch();
        layout->addWidget(m_counter);
        connect(this, &QLineEdit::textChanged, this, &CellEditor::measure);
    }

private:
    void measure() {
        const int pixels = m_title ? searchTitlePixels(text()) : searchDescriptionPixels(text());
        const int room = m_title ? searchTitleWidth : searchDescriptionWidth;
        m_counter->setText(SiteRowsModel::tr("%1 of %2 px").arg(pixels).arg(room));
        m_counter->setStyleSheet(pixels > room ? QStringLiteral("color: #c5221f;") : QString());
        setTextMargins(0, 0, m_counter->sizeHint().width() + 8, 0);
    }

    bool m_title;
    QLabel *m_counter;
};

} // namespace

SiteRowsModel::SiteRowsModel(SiteTable &table, QObject *parent)
    : QAbstractTableModel(parent)
    , m_table(table) {}

int SiteRowsModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_table.rows.size());
}

int SiteRowsModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SiteRowsModel::data(const QModelIndex &index, int role) const {
    const SiteRow &row = m_table.rows[index.row()];
    const Column column = Column(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::ToolTipRole:
    case Qt::UserRole:
        break;
    case Qt::FontRole: {
        const bool changed = (column == TitleColumn && !row.newTitle.isNull()) ||
                             (column == DescriptionColumn && !row.newDescription.isNull()) ||
                             (column == ChangedColumn && row.changed());
        if (!changed)
            return {};
        QFont font;
        font.setBold(true);
        return font;
    }
    case Qt::BackgroundRole:
        if ((column == TitleColumn && row.sharedTitle) ||
            (column == DescriptionColumn && row.sharedDescription))
            return kShared;
        return {};
    case Qt::ForegroundRole:
        if ((column == TitlePixelsColumn && row.titlePixels > searchTitleWidth) ||
            (column == DescriptionPixelsColumn && row.descriptionPixels > searchDescriptionWidth))
            return kWarning;
        return {};
    case Qt::TextAlignmentRole:
        if (column == TitlePixelsColumn || column == DescriptionPixelsColumn)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
    switch (column) {
    case PageColumn:
        return row.page;
    case TitleColumn:
        return row.currentTitle();
    case TitlePixelsColumn:
        return row.titlePixels;
    case DescriptionColumn:
        return row.currentDescription();
    case DescriptionPixelsColumn:
        return row.descriptionPixels;
    case RobotsColumn:
        return row.robots;
    case CanonicalColumn:
        return row.canonical;
    case FindingsColumn:
        return role == Qt::UserRole ? QVariant(findingsKey(row)) : QVariant(findingsText(row));
    case ChangedColumn:
        if (role == Qt::UserRole)
            return row.changed();
        return row.changed() ? tr("changed") : QString();
    case ColumnCount:
        break;
    }
    return {};
}

QVariant SiteRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char *const names[ColumnCount] = {
        QT_TR_NOOP("Page"),        QT_TR_NOOP("Title"),          QT_TR_NOOP("Title px"),
        QT_TR_NOOP("Description"), QT_TR_NOOP("Description px"), QT_TR_NOOP("Robots"),
        QT_TR_NOOP("Canonical"),   QT_TR_NOOP("Findings"),       QT_TR_NOOP("Changed")};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return tr(names[section]);
}

Qt::ItemFlags SiteRowsModel::flags(const QModelIndex &index) const {
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    const bool editable = index.column() == TitleColumn || index.column() == DescriptionColumn;
    return m_editable && editable && m_table.rows[index.row()].error.isEmpty()
               ? flags | Qt::ItemIsEditable
               : flags;
}

bool SiteRowsModel::setData(const QModelIndex &index, const QVariant &value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    SiteRow &row = m_table.rows[index.row()];
    const bool changed = index.column() == TitleColumn ? editTitle(row, value.toString())
                                                       : editDescription(row, value.toString());
    if (changed) {
        // The shared marks of other rows may change with this one.
        markShared(m_table.rows);
        tableChanged();
    }
    return changed;
}

void SiteRowsModel::replaceTable(SiteTable table) {
    beginResetModel();
    m_table = std::move(table);
    endResetModel();
}

void SiteRowsModel::tableChanged() {
    if (!m_table.rows.empty())
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

SiteRowsFilter::SiteRowsFilter(const SiteTable &table, QObject *parent)
    : QSortFilterProxyModel(parent)
    , m_table(table) {
    setSortRole(Qt::UserRole);
    setSortCaseSensitivity(Qt::CaseInsensitive);
    setSortLocaleAware(false);
}

void SiteRowsFilter::setRowFilter(const RowFilter &filter) {
    m_filter = filter;
    invalidateFilter();
}

bool SiteRowsFilter::filterAcceptsRow(int sourceRow, const QModelIndex &) const {
    return passes(m_table.rows[sourceRow], m_filter);
}

QWidget *SiteCellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                        const QModelIndex &index) const {
    return new CellEditor(index.column() == SiteRowsModel::TitleColumn, parent);
}

} // namespace velko
