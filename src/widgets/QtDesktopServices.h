#pragma once

#include "seams/DesktopServices.h"

#include <QPointer>

class QWidget;

namespace velko {

class HelpViewer;

// The desktop as the user sees it: Qt's message boxes, dialogs and clipboard.
class QtDesktopServices final : public DesktopServices {
public:
    // Dialogs are owned by (centred on) `owner`, which may be set later.
    void setOwner(QWidget *owner) { m_owner = owner; }

    Answer showMessage(const Message &message) override;
    QString chooseFile(const FileDialog &dialog) override;
    QStringList choosePages(const QString &title) override;
    QString chooseFolder(const QString &title) override;
    void beep() override;
    void setClipboardText(const QString &text) override;
    bool openUrl(const QUrl &url) override;
    void showHelpContents(const QUrl &helpFile) override;
    void showAbout(const Settings &settings) override;

private:
    QWidget *m_owner = nullptr;
    QPointer<HelpViewer> m_help;
};

} // namespace velko
