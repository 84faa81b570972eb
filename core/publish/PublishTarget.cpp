#include "publish/PublishTarget.h"

#include "publish/RemotePath.h"
#include "util/Error.h"
#include "util/NativeNames.h"
#include "util/TextFile.h"

#include <algorithm>
#include <pugixml.hpp>
#include <sstream>

namespace quorlex {

namespace {

constexpr const char* kProtocols[] = {"SFTP", "FTPS", "FTP"};

std::string Text(const pugi::xml_node& node, const char* child) { return node.child(child).text().as_string(); }

void Add(pugi::xml_node& node, const char* child, const std::string& value) {
    if (!value.empty())
        node.append_child(child).text().set(value.c_str());
}

PublishTarget TargetFromXml(const pugi::xml_node& node, const fs::path& file) {
    PublishTarget target;
    target.name = Text(node, "name");
    const auto protocol = ProtocolFromName(Text(node, "protocol"));
    if (!protocol)
        throw Error("\"" + PathToProgramText(file) + "\": the target \"" + target.name + "\" has no known protocol.");
    target.protocol = *protocol;
    target.host = Text(node, "host");
    target.port = node.child("port").text().as_int(0);
    target.user = Text(node, "user");
    target.remoteFolder = Text(node, "folder");
    target.keyFile = fs::path(NativeNameFromPackageText(Text(node, "key")));
    target.caFile = fs::path(NativeNameFromPackageText(Text(node, "certificates")));
    target.deleteRemoved = node.child("delete-removed").text().as_bool(false);
    return target;
}

} // namespace

bool PublishTarget::operator==(const PublishTarget& other) const {
    return name == other.name && protocol == other.protocol && host == other.host && port == other.port &&
           user == other.user && remoteFolder == other.remoteFolder && keyFile == other.keyFile &&
           caFile == other.caFile && deleteRemoved == other.deleteRemoved;
}

std::string ProtocolName(PublishProtocol protocol) { return kProtocols[static_cast<int>(protocol)]; }

std::optional<PublishProtocol> ProtocolFromName(const std::string& name) {
    for (int i = 0; i < 3; ++i)
        if (name == kProtocols[i])
            return static_cast<PublishProtocol>(i);
    return std::nullopt;
}

int DefaultPort(PublishProtocol protocol) { return protocol == PublishProtocol::Sftp ? 22 : 21; }

int PortOf(const PublishTarget& target) { return target.port ? target.port : DefaultPort(target.protocol); }

std::optional<std::string> TargetRefusal(const PublishTarget& target) {
    if (target.name.empty())
        return "The target needs a name.";
    if (target.name.front() == '.' || target.name.find_first_of("/\\") != std::string::npos ||
        std::any_of(target.name.begin(), target.name.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
        return "The target's name \"" + target.name +
               "\" may not start with \".\" or hold \"/\", \"\\\" or control "
               "characters.";
    if (target.host.empty() || target.host.find_first_of(" \t/\\@:") != std::string::npos)
        return "The host \"" + target.host +
               "\" is no server name or address (give it without \"sftp://\", a "
               "folder or a port).";
    if (target.user.empty())
        return "The target needs a user name.";
    if (target.port < 0 || target.port > 65535)
        return "The port " + std::to_string(target.port) + " is not from 1 to 65535.";
    return RemoteFolderRefusal(target.remoteFolder);
}

std::string SecretLabel(const PublishTarget& target) {
    const char* what = target.keyFile.empty() ? "Password" : "Key passphrase";
    return std::string("Quorlex publish: ") + what + " for " + target.user + "@" + target.host;
}

std::string SecretKey(const PublishTarget& target) {
    std::string key =
        ProtocolName(target.protocol) + "://" + target.user + "@" + target.host + ":" + std::to_string(PortOf(target));
    if (!target.keyFile.empty())
        key += " key " + PathToProgramText(target.keyFile);
    return key;
}

std::vector<PublishTarget> ReadTargets(const fs::path& file) {
    const auto bytes = ReadFileIfPresent(file);
    if (!bytes)
        return {};
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_buffer(bytes->data(), bytes->size());
    if (!parsed)
        throw Error("\"" + PathToProgramText(file) + "\" is damaged: " + parsed.description() + " at byte " +
                    std::to_string(parsed.offset) + ".");
    std::vector<PublishTarget> targets;
    for (const pugi::xml_node& node : document.child("publish-targets").children("target"))
        targets.push_back(TargetFromXml(node, file));
    return targets;
}

void WriteTargets(const fs::path& file, const std::vector<PublishTarget>& targets) {
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("publish-targets");
    for (const PublishTarget& target : targets) {
        pugi::xml_node node = root.append_child("target");
        Add(node, "name", target.name);
        Add(node, "protocol", ProtocolName(target.protocol));
        Add(node, "host", target.host);
        if (target.port)
            Add(node, "port", std::to_string(target.port));
        Add(node, "user", target.user);
        Add(node, "folder", target.remoteFolder);
        Add(node, "key", PathToProgramText(target.keyFile));
        Add(node, "certificates", PathToProgramText(target.caFile));
        if (target.deleteRemoved)
            Add(node, "delete-removed", "true");
    }
    std::ostringstream text;
    document.save(text, "  ");
    fs::create_directories(file.parent_path());
    WriteFileAtomic(file, text.str());
}

} // namespace quorlex
