#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorlex {

// A version number by its dotted parts: "4.10" is {4, 10}. Parts left out count as 0,
// so "4.1" and "4.1.0" are the same version.
struct VersionNumber {
    std::vector<unsigned> parts;

    // The parts joined by points: "4.10".
    std::string Text() const;
};

// Negative, zero or positive as `a` is older than, the same as or newer than `b`; part by
// part as numbers, so 4.10 is newer than 4.9.
int CompareVersions(const VersionNumber& a, const VersionNumber& b);

// "4.2" or "4.2.1". A number without a point of two digits or more is the old form that
// leaves out the point before the last digit: "42" is 4.2 and "410" is 41.0; a single digit is
// a major version. Nothing for any other text.
std::optional<VersionNumber> ParseVersion(std::string_view text);

// The running version.
constexpr const char* kRunningVersion = "4.1";
VersionNumber RunningVersion();

// The version a version file publishes: its first line without surrounding blanks.
// Nothing when that line is no version number.
std::optional<VersionNumber> PublishedVersion(std::string_view fileText);

} // namespace quorlex
