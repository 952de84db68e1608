#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace velko {

class ChoiceList;
class DesktopServices;
class WebFetcher;

// frmOpenWebPage: asks for a web address, hands it to the main window through
// its hidden box txtUrlHidden, and keeps the address history of Url.dat.
//
// Closing it "unloads" it: the history is saved, and the next opening reads it
// again. The object itself lives on with the main window.
class WebImportDialog : public QDialog {
    Q_OBJECT

public:
    // `formIsEmpty` tells whether the import gave anything to the form.
    // `historyPath`: where the address history is kept.
    WebImportDialog(DesktopServices &desktop, WebFetcher &fetcher, const QString &historyPath,
                    QLineEdit &handOver, std::function<bool()> formIsEmpty, QWidget *parent);

    // Shows the dialog modally, or brings it to the front when it is on
    // screen already.
    void open();
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
    QLineEdit &m_handOver;
    std::function<bool()> m_formIsEmpty;
    ChoiceList *m_url = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    bool m_loaded = false;
};

} // namespace velko
