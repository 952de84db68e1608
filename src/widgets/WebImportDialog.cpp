#include "widgets/WebImportDialog.h"

#include "import/UrlHistory.h"
#include "net/WebFetcher.h"
#include "seams/DesktopServices.h"
#include "widgets/ChoiceList.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

namespace velko {

namespace {

constexpr int kPauseMs = 500;

// What the dialog can have to say, translated when shown.
struct Problem {
    const char *title;
    const char *text;
};
constexpr Problem kEnterAUrl{QT_TRANSLATE_NOOP("velko::WebImportDialog", "Missing Data"),
                             QT_TRANSLATE_NOOP("velko::WebImportDialog", "Enter a URL")};
constexpr Problem kUrlFormat{
    QT_TRANSLATE_NOOP("velko::WebImportDialog", "URL Error"),
    QT_TRANSLATE_NOOP("velko::WebImportDialog",
                      "Enter a valid URL\r\n\r\nThe URL should be in the format\r\n'http://' + "
                      "'domain name'\r\nExample: http://www.example.com")};
constexpr Problem kUnableToRetrieve{
    QT_TRANSLATE_NOOP("velko::WebImportDialog", "Error"),
    QT_TRANSLATE_NOOP("velko::WebImportDialog",
                      "Unable to retrieve page.\r\nCheck connection or URL.")};

Message translated(const Problem &problem) {
    return {WebImportDialog::tr(problem.title), WebImportDialog::tr(problem.text)};
}

// http:// or https:// (any case) at the very start, and a host with a dot.
bool isWebAddress(const QString &url) {
    const bool webScheme = url.startsWith(u"http://", Qt::CaseInsensitive) ||
                           url.startsWith(u"https://", Qt::CaseInsensitive);
    return webScheme && QUrl(url, QUrl::StrictMode).host().contains(QLatin1Char('.'));
}

} // namespace

WebImportDialog::WebImportDialog(DesktopServices &desktop, WebFetcher &fetcher,
                                 const QString &historyPath,
                                 std::function<WebImportOutcome(const QString &url)> importPage,
                                 QWidget *parent)
    : QDialog(parent)
    , m_desktop(desktop)
    , m_fetcher(fetcher)
    , m_historyPath(historyPath)
    , m_importPage(std::move(importPage)) {
    setObjectName(QStringLiteral("frmOpenWebPage"));
    setWindowTitle(tr("Import from Web"));

    m_url = new ChoiceList({}, this);
    m_url->setObjectName(QStringLiteral("cboUrl"));
    m_url->setAccessibleName(tr("URL"));
    m_url->setMinimumContentsLength(36);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblConnecting"));
    m_ok = new QPushButton(tr("&OK"), this);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("&Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_url, 0, 0);
    grid->addWidget(m_ok, 0, 1);
    grid->addWidget(m_status, 1, 0);
    grid->addWidget(m_cancel, 1, 1);
    grid->setColumnStretch(0, 1);

    connect(m_ok, &QPushButton::clicked, this, &WebImportDialog::onOk);
    connect(m_cancel, &QPushButton::clicked, this, &WebImportDialog::reject);
}

void WebImportDialog::showModal() {
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    if (!m_loaded)
        load();
    setBusy(false);
    m_status->clear();
    // Typing goes into the address each time, replacing the last one.
    m_url->setFocus();
    m_url->lineEdit()->selectAll();
    exec();
}

void WebImportDialog::load() {
    m_url->clear();
    for (const QString &url : loadUrlHistory(m_historyPath))
        m_url->appendItem(url);
    m_loaded = true;
}

void WebImportDialog::unload() {
    if (!m_loaded)
        return;
    m_loaded = false;
    QStringList urls;
    for (int i = 0; i < m_url->count(); ++i)
        urls << m_url->itemText(i);
    QString error;
    if (!saveUrlHistory(m_historyPath, urls, &error))
        m_desktop.showMessage(generalError(m_historyPath + QStringLiteral(": ") + error));
}

void WebImportDialog::setBusy(bool busy) {
    m_ok->setEnabled(!busy);
    m_cancel->setEnabled(!busy);
}

// While connecting only Cancel takes input: it stops the fetch.
void WebImportDialog::setConnecting(bool connecting) {
    m_connecting = connecting;
    m_ok->setEnabled(!connecting);
    m_url->setEnabled(!connecting);
    m_cancel->setEnabled(true);
}

// Ends a fetch early and closes the dialog as Cancel does, except that the
// address, the history, the form and the document stay as they were.
void WebImportDialog::stop() {
    if (!m_connecting)
        return;
    setConnecting(false);
    m_fetcher.cancel();
    m_status->clear();
    unload();
    QDialog::reject();
}

// Half a second with the window events running, so the status is painted; a
// Cancel meanwhile ends it at once.
void WebImportDialog::pause() {
    QEventLoop loop;
    QTimer::singleShot(kPauseMs, &loop, &QEventLoop::quit);
    connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    loop.exec();
}

bool WebImportDialog::checkAddress(const QString &url) {
    const Problem *problem = url.isEmpty()        ? &kEnterAUrl
                             : !isWebAddress(url) ? &kUrlFormat
                                                  : nullptr;
    if (!problem)
        return true;
    setBusy(true);
    m_desktop.showMessage(translated(*problem));
    m_url->setFocus();
    m_status->clear();
    setBusy(false);
    return false;
}

void WebImportDialog::onOk() {
    const QString url = m_url->currentText().trimmed();
    if (!checkAddress(url))
        return;

    // The fetch takes input for Cancel, which only a modal dialog may: one
    // shown again for another try is made modal for it.
    if (!isModal()) {
        hide();
        setWindowModality(Qt::ApplicationModal);
        show();
    }
    setConnecting(true);
    m_status->setText(tr("Connecting..."));
    pause();
    const WebImportOutcome outcome = m_connecting ? m_importPage(url) : WebImportOutcome::Stopped;
    if (outcome == WebImportOutcome::Stopped) {
        stop();
        return;
    }
    setConnecting(false);
    if (m_url->currentIndex() == -1)
        m_url->appendItem(url);
    m_status->setText(tr("Done"));
    setBusy(false);
    pause();
    if (!m_loaded) // Cancel was pressed during the pause
        return;
    hide();
    if (m_url->currentText().isEmpty())
        return;
    if (outcome == WebImportOutcome::NothingRead) {
        m_desktop.showMessage(translated(kUnableToRetrieve));
        m_status->clear();
        // Shown again for another try, without blocking the main window; after
        // the modal run that this OK ended has returned.
        QTimer::singleShot(0, this, [this] {
            setWindowModality(Qt::NonModal);
            show();
        });
    }
}

void WebImportDialog::reject() {
    if (m_connecting) {
        stop();
        return;
    }
    m_fetcher.cancel();
    m_status->clear();
    if (m_url->currentIndex() > -1)
        m_url->removeItem(m_url->currentIndex());
    else
        m_url->setEditText({});
    unload();
    QDialog::reject();
}

void WebImportDialog::closeEvent(QCloseEvent *event) {
    stop();
    unload();
    event->accept();
    QDialog::hide();
}

} // namespace velko
