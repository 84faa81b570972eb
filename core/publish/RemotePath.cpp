#include "publish/RemotePath.h"

#include <sstream>

namespace quorlex {

namespace {

bool HasDotDotOrControl(const std::string& path) {
    for (const char c : path)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F || c == '\\')
            return true;
    std::istringstream parts(path);
    std::string part;
    while (std::getline(parts, part, '/'))
        if (part == "..")
            return true;
    return false;
}

} // namespace

std::optional<std::string> RemoteNameRefusal(const std::string& name) {
    if (name.empty() || name.front() == '/' || name.back() == '/' || name.find("//") != std::string::npos ||
        HasDotDotOrControl(name))
        return "The name \"" + name + "\" would leave the remote folder.";
    return std::nullopt;
}

std::optional<std::string> RemoteFolderRefusal(const std::string& folder) {
    if (HasDotDotOrControl(folder))
        return "The remote folder \"" + folder + "\" may not contain \"..\", \"\\\" or control characters.";
    return std::nullopt;
}

} // namespace quorlex
