#pragma once

#include "seams/DesktopServices.h"

#include <QList>
#include <QQueue>

namespace velko::test {

// Stands in for the user at the desktop: answers message boxes and file
// dialogs from a script, in turn, and records every call. A box with only OK
// needs no script. A question or dialog with no scripted answer gets OK/Yes
// (Cancel where Save or Overwrite is offered) or a cancel, and counts as
// unexpected.
class ScriptedDesktop final : public DesktopServices {
public:
    QQueue<Answer> answers;
    QQueue<QString> fileChoices;     // an empty path cancels the dialog
    QQueue<QStringList> pageChoices; // for choosePages; an empty list cancels

    QList<Message> messages;
    QList<FileDialog> fileDialogs;
    int beeps = 0;
    QStringList clipboard; // every text put on the clipboard
    QList<QUrl> openedUrls;
    bool urlsOpen = true; // whether opening an address succeeds
    QList<QUrl> helpShown;
    int unexpected = 0;

    Answer showMessage(const Message &message) override;
    QString chooseFile(const FileDialog &dialog) override;
    QStringList choosePages(const QString &title) override;
    // Answered from fileChoices, recorded as an Open dialog.
    QString chooseFolder(const QString &title) override {
        return chooseFile({FileDialog::Kind::Open, title, {}});
    }
    void beep() override { ++beeps; }
    void setClipboardText(const QString &text) override { clipboard << text; }
    bool openUrl(const QUrl &url) override {
        openedUrls << url;
        return urlsOpen;
    }
    void showHelpContents(const QUrl &helpFile) override { helpShown << helpFile; }
    void showAbout(const Settings &) override {}
};

} // namespace velko::test
