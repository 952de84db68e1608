#include "widgets/HelpViewer.h"

#include <QFileInfo>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

namespace velko {

HelpViewer::HelpViewer(QWidget *parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("helpViewer"));
    setWindowTitle(tr("Velko Help"));
    resize(640, 560);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setAccessibleName(tr("Help page"));
    auto *tools = new QToolBar(this);
    QAction *back = tools->addAction(tr("&Back"), m_browser, &QTextBrowser::backward);
    back->setObjectName(QStringLiteral("helpBack"));
    back->setShortcut(QKeySequence::Back);
    back->setEnabled(false);
    QAction *forward = tools->addAction(tr("&Forward"), m_browser, &QTextBrowser::forward);
    forward->setObjectName(QStringLiteral("helpForward"));
    forward->setShortcut(QKeySequence::Forward);
    forward->setEnabled(false);
    QAction *contents =
        tools->addAction(tr("&Contents"), this, [this] { showContents(m_contents); });
    contents->setObjectName(QStringLiteral("helpContents"));
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tools);
    layout->addWidget(m_browser);
}

void HelpViewer::showContents(const QUrl &contents) {
    m_contents = contents;
    if (contents.isLocalFile() && !QFileInfo(contents.toLocalFile()).isFile()) {
        m_browser->setHtml(tr("<h1>Help not found</h1><p>The help file <b>%1</b> could not be "
                              "found. Check the <tt>help/file</tt> setting in velko.conf.</p>")
                               .arg(contents.toLocalFile().toHtmlEscaped()));
        return;
    }
    m_browser->setSource(contents);
}

} // namespace velko
