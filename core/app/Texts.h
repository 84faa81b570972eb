#pragma once

namespace quorlex {

// Fixed texts the program shows.
namespace texts {

constexpr const char* kAppTitle = "Quorlex";
constexpr const char* kCaptionPrefix = "Quorlex -- ";
constexpr const char* WelcomeHtml =
    "<html><head><style type=\"text/css\">.style1 {font-family: Verdana, Arial;font-size:16px;}</style></head>"
    "<body><span class=\"style1\">Please, select menu template from the list above and click "
    "&quot;Customize&quot;...</span></body></html>";
constexpr const char* kLoadFailed = "Error: Cannot Load Template Settings. You may need to reinstall Quorlex.";
constexpr const char* kCloseFailed = "Error Closing Application. Please try again later.";

} // namespace texts
} // namespace quorlex
