#include "widgets/FindingsList.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QPainter>

namespace velko {

namespace {

enum Column { SeverityColumn, LineColumn, MessageColumn, RuleColumn };
constexpr int kLineRole = Qt::UserRole;
constexpr int kColumnRole = Qt::UserRole + 1;

struct SeverityLook {
    QStyle::StandardPixmap icon;
    const char *name;
};

SeverityLook look(Severity severity) {
    switch (severity) {
    case Severity::Error:
        return {QStyle::SP_MessageBoxCritical, QT_TRANSLATE_NOOP("velko::FindingsList", "Error")};
    case Severity::Warning:
        return {QStyle::SP_MessageBoxWarning, QT_TRANSLATE_NOOP("velko::FindingsList", "Warning")};
    case Severity::Note:
        break;
    }
    return {QStyle::SP_MessageBoxInformation, QT_TRANSLATE_NOOP("velko::FindingsList", "Note")};
}

} // namespace

QString severityCaption(Severity severity) {
    return QCoreApplication::translate("velko::FindingsList", look(severity).name);
}

FindingsList::FindingsList(QWidget *parent)
    : QTreeWidget(parent) {
    setObjectName(QStringLiteral("lstFindings"));
    setAccessibleName(tr("Findings"));
    setHeaderLabels({QString(), tr("Line"), tr("Message"), tr("Rule")});
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setSectionResizeMode(MessageColumn, QHeaderView::Stretch);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        Q_EMIT currentMessageChanged(item ? item->text(MessageColumn) : QString());
    });
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) {
        Q_EMIT findingActivated(item->data(SeverityColumn, kLineRole).toLongLong(),
                                item->data(SeverityColumn, kColumnRole).toLongLong());
    });
}

QString FindingsList::noFindingsText() {
    return tr("No problems found.");
}

void FindingsList::showFindings(const std::vector<Finding> &findings) {
    clear();
    QList<QTreeWidgetItem *> items;
    for (const Finding &finding : findings) {
        const QString message = finding.translatedMessage();
        const SeverityLook severity = look(finding.severity());
        auto *item = new QTreeWidgetItem(
            {QString(), QString::number(finding.line), message, ruleEntry(finding.rule).id});
        item->setIcon(SeverityColumn, style()->standardIcon(severity.icon));
        item->setToolTip(SeverityColumn, tr(severity.name));
        item->setData(SeverityColumn, Qt::AccessibleTextRole, tr(severity.name));
        item->setToolTip(MessageColumn, message);
        item->setData(SeverityColumn, kLineRole, finding.line);
        item->setData(SeverityColumn, kColumnRole, finding.column);
        items << item;
    }
    addTopLevelItems(items);
    setAccessibleDescription(findings.empty() ? noFindingsText() : QString());
    if (!items.isEmpty())
        setCurrentItem(items.first());
}

void FindingsList::paintEvent(QPaintEvent *event) {
    QTreeWidget::paintEvent(event);
    if (topLevelItemCount() > 0)
        return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(viewport()->rect(), Qt::AlignCenter, noFindingsText());
}

} // namespace velko
