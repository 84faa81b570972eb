#pragma once

#include <functional>
#include <string>

namespace quorlex {

class Ui;

// The box a failed page action is shown in.
enum class FailureBox { Error, Information };

// The text of a failure: the line the user reads first, then the real cause below it.
std::string FailureText(const std::string& message, const std::exception& cause);

// Runs one action of a page. When it throws, `message` is shown with the real cause below it;
// returns whether the action succeeded.
bool RunPageAction(Ui& ui, const std::string& message, FailureBox box, const std::function<void()>& action);

} // namespace quorlex
