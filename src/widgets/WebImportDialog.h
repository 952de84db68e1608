#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

namespace velko {

class ChoiceList;
class DesktopServices;
class WebFetcher;

// What the main window's web import made of an address.
enum class WebImportOutcome {
    FormFilled,
    NothingRead, // the form is empty: the fetch failed or found no tags
    Stopped,     // cancelled, or the user kept a changed document
};

// frmOpenWebPage: asks for a web address, hands it to the main window's web
// import, and keeps the address history of Url.dat.
//
// Closing it "unloads" it: the history is saved, and the next opening reads it
// again. The object itself lives on with the main window.
class WebImportDialog : public QDialog {
    Q_OBJECT

public:
    // `importPage` imports the page of an address. `historyPath`: where the
    // address history is kept.
    WebImportDialog(DesktopServices &desktop, WebFetcher &fetcher, const QString &historyPath,
                    std::function<WebImportOutcome(const QString &url)> importPage,
                    QWidget *parent);

    // Shows the dialog modally, or brings it to the front when it is on
    // screen already.
    void showModal();
    // Saves the history if the dialog is loaded (the program is ending).
    void unload();

    void reject() override; // Cancel and Escape; while connecting, they stop the fetch

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void load();
    void onOk();
    void setBusy(bool busy);
    void setConnecting(bool connecting);
    void stop();
    void pause();
    bool checkAddress(const QString &url);

    DesktopServices &m_desktop;
    WebFetcher &m_fetcher;
    QString m_historyPath;
    std::function<WebImportOutcome(const QString &url)> m_importPage;
    ChoiceList *m_url = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    bool m_loaded = false;
    bool m_connecting = false;
};

} // namespace velko
