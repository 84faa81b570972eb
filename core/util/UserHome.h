#pragma once

#include <filesystem>

namespace quorlex {

// $HOME when it is set, otherwise the home folder of the user's account.
std::filesystem::path UserHomeFolder();

} // namespace quorlex
