#include "commands/UnsavedWork.h"

#include "seams/DesktopServices.h"

#include <QCoreApplication>
#include <algorithm>

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
    {QT_TRANSLATE_NOOP("velko::UnsavedWork",
                       "The site's titles and descriptions have edits that have not been saved."),
     QT_TRANSLATE_NOOP("velko::UnsavedWork", "Do you want to save them in the pages?")},
};

QString translated(const char *text) {
    return QCoreApplication::translate("velko::UnsavedWork", text);
}

// Asks `question`; Save saves the parts in turn, as askToSave says.
bool ask(DesktopServices &desktop, const Question &question,
         std::initializer_list<const UnsavedPart *> parts) {
    switch (desktop.showMessage({.title = QStringLiteral("Velko"),
                                 .text = translated(question.text),
                                 .buttons = Buttons::SaveDiscardCancel,
                                 .informativeText = translated(question.informativeText)})) {
    case Answer::Save:
        return std::all_of(parts.begin(), parts.end(),
                           [](const UnsavedPart *part) { return !part->changed || part->save(); });
    case Answer::Discard:
        return true;
    default:
        return false;
    }
}

} // namespace

bool askToSave(DesktopServices &desktop, const UnsavedPart &document, const UnsavedPart &form) {
    if (!document.changed && !form.changed)
        return true;
    return ask(desktop, kQuestions[document.changed ? (form.changed ? 2 : 0) : 1],
               {&document, &form});
}

bool askToSaveEdits(DesktopServices &desktop, const UnsavedPart &edits) {
    return !edits.changed || ask(desktop, kQuestions[3], {&edits});
}

} // namespace velko
