#pragma once

#include "ports/Ui.h"
#include "util/UserMessage.h"

#include <exception>
#include <utility>

namespace quorlex {

// Runs a core call from a slot: no exception may reach Qt's event loop; it becomes the
// user's error box.
template <typename Call>
void GuardedCall(Ui& ui, Call&& call) {
    try {
        call();
    } catch (const std::exception& error) {
        ui.ShowError(UserMessage(error));
    }
}

// The same as a slot for connect(): takes what the signal passes that `call` accepts.
template <typename Call>
auto Guarded(Ui& ui, Call call) {
    return
        [&ui, call = std::move(call)](auto&&... args) -> decltype(call(std::forward<decltype(args)>(args)...), void()) {
            GuardedCall(ui, [&] { call(std::forward<decltype(args)>(args)...); });
        };
}

} // namespace quorlex
