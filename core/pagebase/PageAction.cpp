#include "pagebase/PageAction.h"

#include "ports/Ui.h"
#include "util/UserMessage.h"

namespace quorlex {

std::string FailureText(const std::string& message, const std::exception& cause) {
    return message + "\r\n" + UserMessage(cause);
}

bool RunPageAction(Ui& ui, const std::string& message, FailureBox box, const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const std::exception& cause) {
        const std::string text = FailureText(message, cause);
        if (box == FailureBox::Error)
            ui.ShowError(text);
        else
            ui.Inform(text);
        return false;
    }
}

} // namespace quorlex
