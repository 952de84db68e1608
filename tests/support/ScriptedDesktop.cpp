#include "support/ScriptedDesktop.h"

namespace velko::test {

Answer ScriptedDesktop::showMessage(const Message &message) {
    messages << message;
    if (!answers.isEmpty())
        return answers.dequeue();
    ++unexpected;
    return message.buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

} // namespace velko::test
