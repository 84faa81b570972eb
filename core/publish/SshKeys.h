#pragma once

#include <filesystem>
#include <string>

namespace quorlex {

namespace fs = std::filesystem;

// A server's host key as SSH sends it: the key blob, which starts with its type.
struct HostKey {
    std::string blob;

    // "ssh-ed25519", "ecdsa-sha2-nistp256", ...; empty for a blob that names no type.
    std::string Type() const;
};

// "SHA256:" and the unpadded base64 of the blob's SHA-256, as ssh shows it.
std::string HostKeyFingerprint(const HostKey& key);

// The known_hosts line for the host at that port ("[host]:port" when the port is not 22).
std::string KnownHostsLine(const std::string& host, int port, const HostKey& key);

// Adds the line to the known_hosts file, creating it and its folder (only the user may enter
// it) when missing; the file is saved whole.
void AddKnownHost(const fs::path& knownHosts, const std::string& host, int port, const HostKey& key);

// The user's own known_hosts file and key folder.
fs::path UserKnownHosts();
fs::path UserSshFolder();

// Whether a private key file is encrypted, so that a passphrase is needed. Throws Error when
// the file cannot be read or is no private key.
bool KeyNeedsPassphrase(const fs::path& keyFile);

} // namespace quorlex
