#include "document/DocumentCommands.h"

#include "document/NewDocument.h"
#include "document/TagInsertion.h"
#include "page/PageHead.h"
#include "seams/CommonDialog.h"
#include "seams/DesktopServices.h"
#include "seams/Workspace.h"
#include "tags/TagBlock.h"

#include <QCoreApplication>
#include <QStringList>

namespace velko {

namespace {

// The lines, translated, as one message text.
QString lines(std::initializer_list<const char *> parts) {
    QStringList texts;
    for (const char *part : parts)
        texts << QCoreApplication::translate("velko::DocumentCommands", part);
    return texts.join(QStringLiteral("\r\n"));
}

} // namespace

DocumentCommands::DocumentCommands(Workspace &workspace, DesktopServices &desktop,
                                   CommonDialog &dialog)
    : m_workspace(workspace)
    , m_desktop(desktop)
    , m_dialog(dialog) {}

void DocumentCommands::setDocumentFile(const QString &path, const DecodedText &page) {
    m_path = path;
    m_page = page;
    m_workspace.setDocumentPath(path);
    m_workspace.setDocumentModified(false);
}

void DocumentCommands::newDocument() {
    if (!askToSaveChanges())
        return;
    m_workspace.setDocumentText(newDocumentSkeleton());
    setDocumentFile({}, {});
}

void DocumentCommands::close() {
    if (!askToSaveChanges())
        return;
    m_workspace.setDocumentText({});
    setDocumentFile({}, {});
}

bool DocumentCommands::askToSaveChanges() {
    if (!m_workspace.documentModified())
        return true;
    const Message question{
        .title = QCoreApplication::translate("velko::DocumentCommands", "Velko"),
        .text = QCoreApplication::translate("velko::DocumentCommands",
                                            "The HTML document has changes that have not been "
                                            "saved."),
        .buttons = Buttons::SaveDiscardCancel,
        .informativeText =
            QCoreApplication::translate("velko::DocumentCommands", "Do you want to save them?"),
    };
    switch (m_desktop.showMessage(question)) {
    case Answer::Save:
        return save();
    case Answer::Discard:
        return true;
    default:
        return false;
    }
}

// Any failure here, a missing name included, leads to Save File As.
bool DocumentCommands::save() {
    QString error;
    if (m_path.isEmpty() ||
        !writeFileAtomically(m_path, encodeDocument(m_workspace.documentText(), m_page), &error))
        return saveAs();
    setDocumentFile(m_path, m_page);
    return true;
}

bool DocumentCommands::saveAs() {
    const QString path =
        m_dialog.showSave(QCoreApplication::translate("velko::DocumentCommands", "Save File As"));
    if (path.isEmpty()) {
        m_desktop.beep();
        return false;
    }
    m_workspace.setTagsText(BuildTagBlock(m_workspace.form(), DcNameCase::LowerCase));
    QString error;
    if (!writeFileAtomically(path, encodeDocument(m_workspace.documentText(), m_page), &error)) {
        m_desktop.showMessage(generalError(error));
        return false;
    }
    setDocumentFile(path, m_page);
    return true;
}

void DocumentCommands::insertTags() {
    using namespace insertion;
    const QString document = m_workspace.documentText();
    const PageHead head = findHead(QStringView(document));
    if (!head.found()) {
        m_workspace.selectPage(Page::HtmlFile);
        m_desktop.showMessage(
            {QCoreApplication::translate("velko::DocumentCommands", "File Validation"),
             lines({kNotHtml, kCheckSyntax})});
        return;
    }

    const QString block = m_workspace.generateTags();
    if (block.isEmpty()) {
        m_desktop.showMessage(
            {QCoreApplication::translate("velko::DocumentCommands", "Missing Data"),
             lines({kNoTags, kFillIn, kThenGenerate})});
        return;
    }

    const QString question = tagKindsOverlap(block, document)
                                 ? lines({kSomeSame, kMayAppear, "", kQuestion})
                                 : lines({kQuestion});
    if (m_desktop.showMessage({QCoreApplication::translate("velko::DocumentCommands", "Confirm"),
                               question, Buttons::OkCancel}) != Answer::Ok)
        return;

    const Insertion insertion = insertAfterHead(document, head.insertAt, block);
    m_workspace.setDocumentText(insertion.document);
    m_workspace.selectPage(Page::HtmlFile);
    m_workspace.highlightDocumentRange(insertion.blockStart, insertion.blockLength);
}

} // namespace velko
