#include "commands/UnsavedWork.h"

#include "seams/DesktopServices.h"

#include <QCoreApplication>

namespace velko {

namespace {

struct Question {
    const char *text;
    const char *informativeText;
};

// The document's question, the form's, and the one for both.
constexpr Question kQuestions[] = {
    {QT_TRANSLATE_NOOP("velko::UnsavedWork",
                       "The HTML document has changes that have not been saved."),
     QT_TRANSLATE_NOOP("velko::UnsavedWork", "Do you want to save them?")},
    {QT_TRANSLATE_NOOP("velko::UnsavedWork", "The form has changes that have not been saved."),
     QT_TRANSLATE_NOOP("velko::UnsavedWork", "Do you want to save them as a form file?")},
    {QT_TRANSLATE_NOOP("velko::UnsavedWork",
                       "The HTML document and the form have changes that have not been saved."),
     QT_TRANSLATE_NOOP("velko::UnsavedWork",
                       "Do you want to save the document, and the form as a form file?")},
};

QString translated(const char *text) {
    return QCoreApplication::translate("velko::UnsavedWork", text);
}

} // namespace

bool askToSave(DesktopServices &desktop, const UnsavedPart &document, const UnsavedPart &form) {
    if (!document.changed && !form.changed)
        return true;
    const Question &question = kQuestions[document.changed ? (form.changed ? 2 : 0) : 1];
    switch (desktop.showMessage({.title = QStringLiteral("Velko"),
                                 .text = translated(question.text),
                                 .buttons = Buttons::SaveDiscardCancel,
                                 .informativeText = translated(question.informativeText)})) {
    case Answer::Save:
        return (!document.changed || document.save()) && (!form.changed || form.save());
    case Answer::Discard:
        return true;
    default:
        return false;
    }
}

} // namespace velko
