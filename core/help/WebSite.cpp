#include "help/WebSite.h"

#include <cstdlib>

namespace quorlex {

std::string WebSiteAddress(std::string_view path) { return kWebSite + std::string(path); }

std::string WebSiteCaption() {
    const std::string site = kWebSite;
    return site.substr(site.find("://") + 3);
}

std::string UpdateServer() {
    const char* configured = std::getenv("QUORLEX_UPDATE_URL");
    std::string server = configured && *configured ? configured : kWebSite;
    while (!server.empty() && server.back() == '/')
        server.pop_back();
    return server;
}

} // namespace quorlex
