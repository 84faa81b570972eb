#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quorlex {

namespace fs = std::filesystem;

enum class PublishProtocol { Sftp, Ftps, Ftp };

// A web space the site is published to. The password is never part of it: it is kept in the
// desktop's secret store.
struct PublishTarget {
    std::string name;
    PublishProtocol protocol = PublishProtocol::Sftp;
    std::string host;
    int port = 0; // 0: the protocol's own port
    std::string user;
    std::string remoteFolder; // absolute, or relative to the folder the login starts in
    fs::path keyFile;         // SFTP: a private key (its passphrase in the secret store); empty: the password
    fs::path caFile;          // FTPS: certificates to trust besides the system's; usually empty
    bool deleteRemoved = false;

    bool operator==(const PublishTarget& other) const;
};

constexpr const char* kPlainFtpWarning =
    "Plain FTP sends the password and every file unencrypted: anyone on the way can read them. "
    "Use SFTP or FTPS when the web space offers them.";

// "SFTP", "FTPS", "FTP"; and back, nothing for another name.
std::string ProtocolName(PublishProtocol protocol);
std::optional<PublishProtocol> ProtocolFromName(const std::string& name);
int DefaultPort(PublishProtocol protocol);
int PortOf(const PublishTarget& target);

// Why the target cannot be used, or nothing: it needs a name, a host without spaces or a
// scheme, a user, a port from 1 to 65535 and a remote folder that stays a folder of its own.
std::optional<std::string> TargetRefusal(const PublishTarget& target);

// The secret store's label and its key for the target's password or passphrase.
std::string SecretLabel(const PublishTarget& target);
std::string SecretKey(const PublishTarget& target);

// The targets file: one <target> per target. Reading a missing file gives none; a damaged one
// throws Error with the file and the reason. Writing is atomic.
std::vector<PublishTarget> ReadTargets(const fs::path& file);
void WriteTargets(const fs::path& file, const std::vector<PublishTarget>& targets);

} // namespace quorlex
