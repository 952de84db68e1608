#include "commands/ExportCommands.h"

#include "files/TextFile.h"
#include "seams/CommonDialog.h"
#include "seams/DesktopServices.h"
#include "seams/Workspace.h"

#include <QCoreApplication>

namespace velko {

namespace {

// A text marked for translation elsewhere, translated.
QString translated(const char *text) {
    return QCoreApplication::translate("velko::ExportCommands", text);
}

Message noTagsWarning(const char *first, const char *second) {
    return {QCoreApplication::translate("velko::ExportCommands", "Warning"),
            translated(first) + QStringLiteral("\r\n") + translated(second)};
}

} // namespace

QString tagFileText(const QString &block) {
    return QStringLiteral("<html>\r\n<head>") + block +
           QStringLiteral("\r\n</head>\r\n</html>\r\n");
}

ExportCommands::ExportCommands(Workspace &workspace, DesktopServices &desktop, CommonDialog &dialog)
    : m_workspace(workspace)
    , m_desktop(desktop)
    , m_dialog(dialog) {}

void ExportCommands::copyTags() {
    const QString block = m_workspace.generateTags();
    if (block.isEmpty()) {
        m_desktop.showMessage(noTagsWarning(
            QT_TRANSLATE_NOOP("velko::ExportCommands", "There are no meta tags to copy."),
            QT_TRANSLATE_NOOP("velko::ExportCommands",
                              "Type some text in the tags fields, then generate the tags.")));
        return;
    }
    m_desktop.setClipboardText(block);
}

void ExportCommands::saveTagsAs() {
    const QString block = m_workspace.generateTags();
    if (block.isEmpty()) {
        m_desktop.showMessage(noTagsWarning(
            QT_TRANSLATE_NOOP("velko::ExportCommands", "There are no meta tags to generate."),
            QT_TRANSLATE_NOOP("velko::ExportCommands",
                              "Type some text in the tags fields, then generate.")));
        return;
    }
    const QString path =
        m_dialog.showSave(QCoreApplication::translate("velko::ExportCommands", "Save Tags As"));
    if (path.isEmpty()) {
        m_desktop.beep();
        return;
    }
    QString error;
    if (!writeTextFile(path, tagFileText(block), TextFormat{}, &error))
        m_desktop.showMessage(generalError(error));
}

} // namespace velko
