#pragma once

#include <optional>
#include <string_view>

namespace quorlex {

// The running version, 4.1, written without its point.
constexpr int kRunningVersion = 41;

// The version number a version file publishes: its first line without surrounding blanks,
// read as a decimal number with "." as separator. Nothing when that line is not a number.
std::optional<double> PublishedVersion(std::string_view fileText);

} // namespace quorlex
