#pragma once

#include "ports/StylePatch.h"

#include <optional>
#include <string_view>

namespace quorlex {

// The patch when `next` differs from `shown` only inside the text of <style> blocks (tags
// and everything outside them equal, as many blocks in both); nothing otherwise.
std::optional<StylePatch> StyleOnlyChanges(std::string_view shown, std::string_view next);

} // namespace quorlex
