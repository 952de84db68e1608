#include "widgets/QtDesktopServices.h"

#include "widgets/AboutBox.h"
#include "widgets/HelpViewer.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

namespace velko {

namespace {

// "All" must show files without an extension too, so it is "*", not "*.*".
struct FilterTexts {
    const char *filter;
    const char *defaultSuffix;
};
constexpr FilterTexts kFilters[] = {
    //: The file dialogs' filters: keep the patterns in brackets and the ";;".
    {QT_TRANSLATE_NOOP("velko::QtDesktopServices", "HTML (*.htm *.html);;All (*)"), "html"},
    //: The file dialogs' filters: keep the patterns in brackets and the ";;".
    {QT_TRANSLATE_NOOP("velko::QtDesktopServices", "Form files (*.json);;All (*)"), "json"},
    //: The file dialogs' filters: keep the patterns in brackets and the ";;".
    {QT_TRANSLATE_NOOP("velko::QtDesktopServices", "CSV files (*.csv);;All (*)"), "csv"},
};

// Takes pages and folders. Choose takes what is selected, a folder as it is
// (a double-click enters one), and with nothing selected the folder shown.
// It replaces Qt's accept button, which enters a selected folder (relabelled
// "Open") and is disabled with nothing selected. A typed name and Enter work
// as in any file dialog. Qt's dialog, since a native one would not do this.
class PagesDialog final : public QFileDialog {
public:
    PagesDialog(QWidget *owner, const QString &title)
        : QFileDialog(owner, title, QString(),
                      QCoreApplication::translate("velko::QtDesktopServices", kFilters[0].filter)) {
        setOption(QFileDialog::DontUseNativeDialog);
        setFileMode(QFileDialog::ExistingFiles);
        auto *buttons = findChild<QDialogButtonBox *>();
        QPushButton *choose =
            buttons->addButton(QCoreApplication::translate("velko::QtDesktopServices", "Choose"),
                               QDialogButtonBox::AcceptRole);
        buttons->button(QDialogButtonBox::Open)->hide(); // after addButton, which shows them all
        choose->setDefault(true);
        disconnect(buttons, &QDialogButtonBox::accepted, this, nullptr);
        connect(buttons, &QDialogButtonBox::accepted, this, &PagesDialog::choose);
        // A name typed in one folder would be looked for in the next.
        if (auto *name = findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            connect(this, &QFileDialog::directoryEntered, name, &QLineEdit::clear);
    }

    QStringList chosen() const { return m_chosen.isEmpty() ? selectedFiles() : m_chosen; }

private:
    void choose() {
        QStringList chosen = selectedFiles();
        if (chosen.isEmpty())
            chosen = {directory().absolutePath()};
        if (!std::all_of(chosen.begin(), chosen.end(),
                         [](const QString &path) { return QFileInfo::exists(path); })) {
            QFileDialog::accept(); // says which name is not there
            return;
        }
        m_chosen = chosen;
        QDialog::accept();
    }

    QStringList m_chosen;
};

} // namespace

Answer QtDesktopServices::showMessage(const Message &message) {
    QMessageBox box(QMessageBox::NoIcon, message.title, message.text, QMessageBox::NoButton,
                    m_owner);
    const QAbstractButton *overwrite = nullptr;
    const QAbstractButton *reload = nullptr;
    const QAbstractButton *updateInstead = nullptr;
    const QAbstractButton *undo = nullptr;
    switch (message.buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::SaveDiscardCancel:
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Save);
        break;
    case Buttons::OverwriteReloadCancel:
        overwrite =
            box.addButton(QCoreApplication::translate("velko::QtDesktopServices", "Overwrite"),
                          QMessageBox::AcceptRole);
        reload = box.addButton(QCoreApplication::translate("velko::QtDesktopServices", "Reload"),
                               QMessageBox::ResetRole);
        box.setStandardButtons(QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Cancel);
        break;
    case Buttons::OkUpdateInsteadCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        updateInstead =
            box.addButton(QCoreApplication::translate("velko::QtDesktopServices", "Update Instead"),
                          QMessageBox::ActionRole);
        break;
    case Buttons::OkUndo:
        undo = box.addButton(
            QCoreApplication::translate("velko::QtDesktopServices", "Undo Last Site Update"),
            QMessageBox::ResetRole);
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    }
    box.setInformativeText(message.informativeText);
    if (!message.details.isEmpty())
        box.setDetailedText(message.details);
    const int clicked = box.exec();
    if (overwrite && box.clickedButton() == overwrite)
        return Answer::Overwrite;
    if (reload && box.clickedButton() == reload)
        return Answer::Reload;
    if (updateInstead && box.clickedButton() == updateInstead)
        return Answer::UpdateInstead;
    if (undo && box.clickedButton() == undo)
        return Answer::Undo;
    switch (clicked) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Save:
        return Answer::Save;
    case QMessageBox::Discard:
        return Answer::Discard;
    default: // closed without a button: the box's escape answer
        break;
    }
    switch (message.buttons) {
    case Buttons::Ok:
    case Buttons::OkUndo:
        return Answer::Ok;
    case Buttons::OkCancel:
    case Buttons::SaveDiscardCancel:
    case Buttons::OverwriteReloadCancel:
    case Buttons::OkUpdateInsteadCancel:
        return Answer::Cancel;
    case Buttons::YesNo:
        break;
    }
    return Answer::No;
}

QString QtDesktopServices::chooseFile(const FileDialog &dialog) {
    const FilterTexts &texts = kFilters[int(dialog.filter)];
    QFileDialog box(m_owner, dialog.title, dialog.fileName,
                    QCoreApplication::translate("velko::QtDesktopServices", texts.filter));
    const bool open = dialog.kind == FileDialog::Kind::Open;
    box.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    box.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!open) // an existing file is opened by its name as it is
        box.setDefaultSuffix(QString::fromUtf8(texts.defaultSuffix));
    return box.exec() == QDialog::Accepted ? box.selectedFiles().value(0) : QString();
}

QStringList QtDesktopServices::choosePages(const QString &title) {
    PagesDialog box(m_owner, title);
    return box.exec() == QDialog::Accepted ? box.chosen() : QStringList();
}

QString QtDesktopServices::chooseFolder(const QString &title) {
    return QFileDialog::getExistingDirectory(m_owner, title);
}

void QtDesktopServices::beep() {
    QApplication::beep();
}

void QtDesktopServices::setClipboardText(const QString &text) {
    QApplication::clipboard()->setText(text);
}

bool QtDesktopServices::openUrl(const QUrl &url) {
    return QDesktopServices::openUrl(url);
}

void QtDesktopServices::showHelpContents(const QUrl &helpFile) {
    if (!m_help)
        m_help = new HelpViewer(m_owner);
    m_help->showContents(helpFile);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void QtDesktopServices::showAbout(const Settings &settings) {
    auto *box = new AboutBox(*this, settings, m_owner); // deletes itself when closed
    box->exec();
}

} // namespace velko
