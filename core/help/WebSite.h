#pragma once

#include <string>
#include <string_view>

namespace quorlex {

// The maker's web site. The Help menu's links and the update server are addresses on it.
constexpr const char* kWebSite = "https://www.quorlex.example";

// An address on the web site; `path` starts with "/".
std::string WebSiteAddress(std::string_view path);

// The caption of the Help menu item that opens the web site: its host name.
std::string WebSiteCaption();

// The update server: the environment variable QUORLEX_UPDATE_URL when it is set and not
// empty (tests and packagers point it elsewhere), otherwise the web site. No trailing "/".
std::string UpdateServer();

} // namespace quorlex
