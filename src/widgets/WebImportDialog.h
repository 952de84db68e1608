#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

namespace velko {

class ChoiceList;
class DesktopServices;
class WebFetcher;

// frmOpenWebPage: asks for a web address, hands it to the main window's web
// import, and keeps the address history of Url.dat.
//
// Closing it "unloads" it: the history is saved, and the next opening reads it
// again. The object itself lives on with the main window.
class WebImportDialog : public QDialog {
    Q_OBJECT

public:
    // `importPage` imports the page of an address and tells whether it gave
    // anything to the form. `historyPath`: where the address history is kept.
    WebImportDialog(DesktopServices &desktop, WebFetcher &fetcher, const QString &historyPath,
                    std::function<bool(const QString &url)> importPage, QWidget *parent);

    // Shows the dialog modally, or brings it to the front when it is on
    // screen already.
    void showModal();
    // Saves the history if the dialog is loaded (the program is ending).
    void unload();

    void reject() override; // Cancel and Escape

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void load();
    void onOk();
    void setBusy(bool busy);
    void pause();
    bool checkAddress(const QString &url);

    DesktopServices &m_desktop;
    WebFetcher &m_fetcher;
    QString m_historyPath;
    std::function<bool(const QString &url)> m_importPage;
    ChoiceList *m_url = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    bool m_loaded = false;
};

} // namespace velko
