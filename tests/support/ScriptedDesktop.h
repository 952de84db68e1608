#pragma once

#include "app/DesktopServices.h"

#include <QList>
#include <QQueue>

namespace velko::test {

// Stands in for the user at the desktop: answers message boxes from a script,
// in turn, and records every call. A box with no scripted answer gets its
// first button's answer (OK or Yes) and is counted as unexpected.
class ScriptedDesktop final : public DesktopServices {
public:
    QQueue<Answer> answers;

    QList<Message> messages;
    int unexpected = 0;

    Answer showMessage(const Message &message) override;
};

} // namespace velko::test
