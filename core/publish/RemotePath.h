#pragma once

#include <optional>
#include <string>

namespace quorlex {

// Why a name relative to the remote folder cannot be used, or nothing: it must stay inside the
// folder (no "..", no leading "/", no "\", no empty part, no control character).
std::optional<std::string> RemoteNameRefusal(const std::string& name);

// Why a remote folder cannot be published to, or nothing: an absolute or relative folder
// without ".." parts.
std::optional<std::string> RemoteFolderRefusal(const std::string& folder);

} // namespace quorlex
