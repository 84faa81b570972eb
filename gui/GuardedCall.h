#pragma once

#include "ports/Ui.h"
#include "util/UserMessage.h"

#include <exception>

namespace quorlex {

// Runs a core call from a slot: no exception may reach Qt's event loop.
template <typename Call>
void GuardedCall(Ui& ui, Call&& call) {
    try {
        call();
    } catch (const std::exception& error) {
        ui.ShowError(UserMessage(error));
    }
}

} // namespace quorlex
