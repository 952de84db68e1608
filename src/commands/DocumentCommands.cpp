#include "commands/DocumentCommands.h"

#include "document/NewDocument.h"
#include "document/TagInsertion.h"
#include "document/TagUpdate.h"
#include "page/PageHead.h"
#include "seams/CommonDialog.h"
#include "seams/DesktopServices.h"
#include "seams/Workspace.h"
#include "tags/TagBlock.h"

#include <QCoreApplication>
#include <QFileInfo>
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

// Insert's and Update's answers to a page without a head tag, and to an empty
// form.
Message notHtml() {
    using namespace insertion;
    return {QCoreApplication::translate("velko::DocumentCommands", "File Validation"),
            lines({kNotHtml, kCheckSyntax})};
}

// The kinds the update leaves as the page has them, one a line, translated.
QStringList keptLines(const TagUpdate<QString> &update) {
    QStringList lines;
    for (const KeptKind &kept : update.kept)
        lines << QCoreApplication::translate("velko::DocumentCommands",
                                             kept.why == KeptKind::Why::Variants ? kept::kVariants
                                                                                 : kept::kSharedTag)
                     .arg(kept.kind, kept.other);
    return lines;
}

// What Update Tags In File will do, and under Details the tags as they were
// ("-") and as they will be ("+"), in page order, then what it keeps.
Message updateQuestion(QStringView document, const TagUpdate<QString> &update) {
    QStringList details;
    for (const TagChange &change : update.changes) {
        if (change.kind != TagChangeKind::Added)
            details << QStringLiteral("- ") + sliceOf(document, change.oldTag).toString();
        if (change.kind != TagChangeKind::Removed)
            details << QStringLiteral("+ ") +
                           sliceOf(QStringView(update.page), change.newTag).toString();
    }
    const QStringList kept = keptLines(update);
    details += kept;
    const QString text =
        (QStringList{QCoreApplication::translate("velko::DocumentCommands",
                                                 "Replace %1 tags, add %2, remove %3 duplicates.")
                         .arg(update.count(TagChangeKind::Replaced))
                         .arg(update.count(TagChangeKind::Added))
                         .arg(update.count(TagChangeKind::Removed))} +
         kept)
            .join(QStringLiteral("\r\n"));
    return {QCoreApplication::translate("velko::DocumentCommands", "Confirm"), text,
            Buttons::OkCancel, details.join(QStringLiteral("\r\n"))};
}

} // namespace

Message missingTagsMessage() {
    using namespace insertion;
    return {QCoreApplication::translate("velko::DocumentCommands", "Missing Data"),
            lines({kNoTags, kFillIn, kThenGenerate})};
}

DocumentCommands::DocumentCommands(Workspace &workspace, DesktopServices &desktop,
                                   CommonDialog &dialog)
    : m_workspace(workspace)
    , m_desktop(desktop)
    , m_dialog(dialog) {
    // The watcher lives exactly as long as the commands.
    QObject::connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_watcher,
                     [this] { checkFileOnDisk(); });
}

void DocumentCommands::setDocumentFile(const QString &path, const DecodedText &page,
                                       const FileSnapshot &snapshot) {
    m_path = path;
    m_page = page;
    m_snapshot = snapshot;
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    if (!path.isEmpty() && QFileInfo::exists(path))
        m_watcher.addPath(path);
    m_workspace.setDocumentPath(path);
    m_workspace.setDocumentModified(false);
}

void DocumentCommands::checkFileOnDisk() {
    // A file replaced by a rename is no longer watched; its successor is.
    if (!m_path.isEmpty() && m_watcher.files().isEmpty() && QFileInfo::exists(m_path))
        m_watcher.addPath(m_path);
    if (m_workspace.documentModified() || !changedSince(m_path, m_snapshot))
        return;
    if (reload())
        m_workspace.showStatusNote(
            QCoreApplication::translate("velko::DocumentCommands",
                                        "%1 was changed by another program and has been reloaded.")
                .arg(QFileInfo(m_path).fileName()));
}

bool DocumentCommands::reload() {
    QString error;
    FileSnapshot snapshot;
    const std::optional<DecodedText> page = readTextFile(m_path, &error, &snapshot);
    if (!page) {
        m_desktop.showMessage(generalError(m_path + QStringLiteral(": ") + error));
        return false;
    }
    m_workspace.setDocumentText(page->text);
    setDocumentFile(QString(m_path), *page, snapshot);
    return true;
}

void DocumentCommands::newDocument() {
    if (!askToSave(m_desktop, unsavedPart(), {}))
        return;
    m_workspace.setDocumentText(newDocumentSkeleton());
    setDocumentFile({}, {});
}

void DocumentCommands::close() {
    if (!askToSave(m_desktop, unsavedPart(), {}))
        return;
    m_workspace.setDocumentText({});
    setDocumentFile({}, {});
}

UnsavedPart DocumentCommands::unsavedPart() {
    return {m_workspace.documentModified(), [this] { return save(); }};
}

// A file another program changed since it was read or saved is overwritten
// only when the user says so. A failure says why and leads to Save File As,
// in the page's folder with its name; no name at all leads there at once.
bool DocumentCommands::save() {
    if (m_path.isEmpty())
        return saveAs();
    const QString name = QFileInfo(m_path).fileName();
    if (changedSince(m_path, m_snapshot)) {
        const Message question{
            .title = QCoreApplication::translate("velko::DocumentCommands", "Velko"),
            .text = QCoreApplication::translate("velko::DocumentCommands",
                                                "The file %1 has been changed by another program.")
                        .arg(name),
            .buttons = Buttons::OverwriteReloadCancel,
            .informativeText = QCoreApplication::translate("velko::DocumentCommands",
                                                           "Do you want to overwrite it?"),
        };
        switch (m_desktop.showMessage(question)) {
        case Answer::Overwrite:
            break;
        case Answer::Reload:
            reload();
            return false;
        default:
            return false;
        }
    }
    QString error;
    if (saveTo(m_path, &error))
        return true;
    m_desktop.showMessage(
        {QCoreApplication::translate("velko::DocumentCommands", "Save File"),
         QCoreApplication::translate("velko::DocumentCommands", "%1 could not be saved: %2.")
             .arg(name, error)});
    return saveAsNamed(m_path);
}

bool DocumentCommands::saveAsNamed(const QString &suggested) {
    const QString path = m_dialog.showSave(
        QCoreApplication::translate("velko::DocumentCommands", "Save File As"), suggested);
    if (path.isEmpty()) {
        m_desktop.beep();
        return false;
    }
    m_workspace.setTagsText(BuildTagBlock(m_workspace.form(), DcNameCase::LowerCase));
    QString error;
    if (!saveTo(path, &error)) {
        m_desktop.showMessage(generalError(error));
        return false;
    }
    return true;
}

bool DocumentCommands::saveTo(const QString &path, QString *error) {
    FileSnapshot written;
    if (!writeFileSafely(path, encodeDocument(m_workspace.documentText(), m_page), error,
                         {.written = &written}))
        return false;
    setDocumentFile(path, m_page, written);
    return true;
}

void DocumentCommands::insertTags() {
    using namespace insertion;
    const QString document = m_workspace.documentText();
    const PageHead head = findHead(QStringView(document));
    if (!head.found()) {
        m_workspace.selectPage(Page::HtmlFile);
        m_desktop.showMessage(notHtml());
        return;
    }

    const QString block = m_workspace.generateTags();
    if (block.isEmpty()) {
        m_desktop.showMessage(missingTagsMessage());
        return;
    }

    // Where the page has tags of the block's kinds, updating them is offered
    // instead, so that they are not doubled.
    const bool overlap = tagKindsOverlap(block, document);
    const Answer answer = m_desktop.showMessage(
        {QCoreApplication::translate("velko::DocumentCommands", "Confirm"),
         overlap ? lines({kSomeSame, kMayAppear, "", kQuestion}) : lines({kQuestion}),
         overlap ? Buttons::OkUpdateInsteadCancel : Buttons::OkCancel});
    if (answer == Answer::UpdateInstead) {
        updateTags();
        return;
    }
    if (answer != Answer::Ok)
        return;

    const Insertion insertion = insertAfterHead(document, head.insertAt, block);
    m_workspace.setDocumentText(insertion.document);
    m_workspace.selectPage(Page::HtmlFile);
    const Span inserted{insertion.blockStart, insertion.blockLength};
    m_workspace.highlightDocumentRanges({&inserted, 1}, 0);
}

// Asks as Insert Tags Into File does, but about what will change.
void DocumentCommands::updateTags() {
    const QString document = m_workspace.documentText();
    if (!findHead(QStringView(document)).found()) {
        m_workspace.selectPage(Page::HtmlFile);
        m_desktop.showMessage(notHtml());
        return;
    }

    m_workspace.generateTags();
    const std::vector<TagLine> block = BuildTagLines(m_workspace.form(), DcNameCase::Capitalised);
    if (block.empty()) {
        m_desktop.showMessage(missingTagsMessage());
        return;
    }

    const TagUpdate<QString> update = velko::updateTags(document, block);
    const QString title =
        QCoreApplication::translate("velko::DocumentCommands", "Update Tags In File");
    if (update.changes.empty()) {
        m_desktop.showMessage(
            {title, (QStringList{QCoreApplication::translate("velko::DocumentCommands",
                                                             "The page already has these tags.")} +
                     keptLines(update))
                        .join(QStringLiteral("\r\n"))});
        return;
    }
    if (update.pushesCharset) {
        m_desktop.showMessage(
            {title, QCoreApplication::translate("velko::DocumentCommands", kPushesCharset)});
        return;
    }
    if (const QByteArray charset = misdeclaredCharset(document, update, m_page.format);
        !charset.isEmpty()) {
        m_desktop.showMessage(
            {title, QCoreApplication::translate(
                        "velko::DocumentCommands",
                        "The tags would declare the charset %1, but the page is saved in %2.")
                        .arg(QString::fromLatin1(charset), m_page.format.encoding.name())});
        return;
    }
    if (m_desktop.showMessage(updateQuestion(document, update)) != Answer::Ok)
        return;

    std::vector<Span> changed;
    for (const TagChange &change : update.changes) {
        if (change.newTag.length > 0)
            changed.push_back(change.newTag);
    }
    m_workspace.setDocumentText(update.page);
    m_workspace.selectPage(Page::HtmlFile);
    m_workspace.highlightDocumentRanges(changed, update.changes.front().newTag.start);
}

} // namespace velko
