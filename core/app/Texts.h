#pragma once

namespace quorlex {

// Fixed texts the program shows.
namespace texts {

constexpr const char* kAppTitle = "Quorlex";
constexpr const char* kCaptionPrefix = "Quorlex -- ";
constexpr const char* kSaveFirst = "Save the changes to a project first?";
constexpr const char* kLoadFailed = "Error: Cannot Load Template Settings. You may need to reinstall Quorlex.";
constexpr const char* kCloseFailed = "Error Closing Application. Please try again later.";

} // namespace texts
} // namespace quorlex
