#include "app/QtDesktopServices.h"

#include <QMessageBox>

namespace velko {

Answer QtDesktopServices::showMessage(const Message &message) {
    QMessageBox box(QMessageBox::NoIcon, message.title, message.text, QMessageBox::NoButton,
                    m_owner);
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
    }
    if (!message.details.isEmpty())
        box.setDetailedText(message.details);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default: // closed without a button: the box's escape answer
        break;
    }
    switch (message.buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::OkCancel:
        return Answer::Cancel;
    case Buttons::YesNo:
        break;
    }
    return Answer::No;
}

} // namespace velko
