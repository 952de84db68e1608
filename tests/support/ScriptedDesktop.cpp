#include "support/ScriptedDesktop.h"

namespace velko::test {

Answer ScriptedDesktop::showMessage(const Message &message) {
    messages << message;
    if (message.buttons == Buttons::Ok)
        return Answer::Ok;
    if (!answers.isEmpty())
        return answers.dequeue();
    ++unexpected;
    switch (message.buttons) {
    case Buttons::YesNo:
        return Answer::Yes;
    case Buttons::SaveDiscardCancel:
    case Buttons::OverwriteReloadCancel:
        return Answer::Cancel;
    default:
        return Answer::Ok;
    }
}

QString ScriptedDesktop::chooseFile(const FileDialog &dialog) {
    fileDialogs << dialog;
    if (!fileChoices.isEmpty())
        return fileChoices.dequeue();
    ++unexpected;
    return {};
}

QStringList ScriptedDesktop::choosePages(const QString &title) {
    fileDialogs << FileDialog{FileDialog::Kind::Open, title, {}};
    if (!pageChoices.isEmpty())
        return pageChoices.dequeue();
    ++unexpected;
    return {};
}

} // namespace velko::test
