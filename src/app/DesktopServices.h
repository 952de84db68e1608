#pragma once

// Everything modal or outside the process goes through this interface, so the
// window's commands can be driven and checked by tests without a user.

#include <QString>

namespace velko {

enum class Buttons { Ok, OkCancel, YesNo };
enum class Answer { Ok, Cancel, Yes, No };

// A message box without an icon. Details, when given, are offered under the
// box's details button and never replace the text.
struct Message {
    QString title;
    QString text;
    Buttons buttons = Buttons::Ok;
    QString details;

    bool operator==(const Message &) const = default;
};

class DesktopServices {
public:
    virtual ~DesktopServices() = default;

    virtual Answer showMessage(const Message &message) = 0;
};

// "An error has occurred!": how every command reports a failure it did not
// foresee. The cause, usually the system's error text, goes under details.
Message generalError(const QString &cause = {});

} // namespace velko
