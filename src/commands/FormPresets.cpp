#include "commands/FormPresets.h"

#include "fields/ExampleRecord.h"
#include "fields/FormFile.h"
#include "files/TextFile.h"
#include "seams/DesktopServices.h"
#include "seams/Workspace.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace velko {

namespace {

// "PATH: error", as the command line says it.
Message problem(const QString &title, const QString &path, const QString &error) {
    return {title, path + QStringLiteral(": ") + error};
}

} // namespace

FormPresets::FormPresets(Workspace &workspace, DesktopServices &desktop, RecentFormStore &recent)
    : m_workspace(workspace)
    , m_desktop(desktop)
    , m_recent(recent) {}

QStringList FormPresets::recent() const {
    return m_recent.recentForms();
}

QString FormPresets::lastPath() const {
    return recent().value(0);
}

UnsavedPart FormPresets::unsavedPart() {
    return {m_workspace.formModified(), [this] { return saveAs(); }};
}

void FormPresets::setUnchanged(const FormValue &form) {
    m_workspace.setForm(form);
    m_workspace.setFormModified(false);
}

void FormPresets::clear() {
    FormValue form = m_workspace.form();
    clearForm(form);
    setUnchanged(form);
}

void FormPresets::fillInExamples() {
    FormValue form = m_workspace.form();
    velko::fillInExamples(form);
    setUnchanged(form);
}

void FormPresets::open() {
    const QString path = m_desktop.chooseFile(
        {FileDialog::Kind::Open, QCoreApplication::translate("velko::FormPresets", "Open Form"),
         lastPath(), FileDialog::Filter::FormFile});
    if (path.isEmpty()) {
        m_desktop.beep();
        return;
    }
    // Asked before the file is read, so that saving over the very file opens
    // what was saved.
    if (askToSave(m_desktop, {}, unsavedPart()))
        load(path);
}

// A file that is gone replaces nothing, so it needs no question.
void FormPresets::openRecent(const QString &path) {
    if (!QFileInfo::exists(path)) {
        QStringList paths = recent();
        paths.removeAll(path);
        m_recent.setRecentForms(paths);
    } else if (!askToSave(m_desktop, {}, unsavedPart())) {
        return;
    }
    load(path);
}

void FormPresets::load(const QString &path) {
    const QString title = QCoreApplication::translate("velko::FormPresets", "Open Form");
    QFile file(path);
    QString error;
    if (!openRegularFile(file, &error)) {
        m_desktop.showMessage(problem(title, path, error));
        return;
    }
    const std::optional<QByteArray> json = readAtMost(file, kInputLimit, &error);
    std::optional<FormValue> form = json ? parseFormFile(*json, &error) : std::nullopt;
    if (!form) {
        m_desktop.showMessage(problem(title, path, error));
        return;
    }
    // The spare slot is no key of the file; clearing the form keeps it too.
    (*form)[Field::Spare] = m_workspace.form()[Field::Spare];
    setUnchanged(*form);
    m_workspace.selectPage(Page::General);
    remember(path);
}

bool FormPresets::saveAs() {
    const QString path = m_desktop.chooseFile(
        {FileDialog::Kind::Save, QCoreApplication::translate("velko::FormPresets", "Save Form As"),
         lastPath(), FileDialog::Filter::FormFile});
    if (path.isEmpty()) {
        m_desktop.beep();
        return false;
    }
    QString error;
    if (!writeFileSafely(path, formFileText(m_workspace.form()) + '\n', &error)) {
        m_desktop.showMessage(generalError(path + QStringLiteral(": ") + error));
        return false;
    }
    m_workspace.setFormModified(false);
    remember(path);
    return true;
}

void FormPresets::remember(const QString &path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList paths = recent();
    paths.removeAll(absolute);
    paths.prepend(absolute);
    m_recent.setRecentForms(paths.mid(0, kRecentCount));
}

} // namespace velko
