#pragma once

#include "publish/PublishTarget.h"
#include "publish/RemoteSite.h"

#include <chrono>
#include <functional>
#include <optional>

namespace quorlex {

// How the program reaches a target: the secret for its login, the known hosts and the waits.
struct RemoteAccess {
    PublishTarget target;
    std::string secret; // the password, or the key's passphrase; empty for an unencrypted key
    fs::path knownHosts = UserKnownHosts();
    std::optional<HostKey> acceptedKey; // a new host key the user accepted; added to knownHosts
    std::chrono::milliseconds connectTimeout{10000};
    std::chrono::milliseconds stallTimeout{30000}; // no byte moving for this long fails the transfer
    std::function<bool()> keepGoing;               // asked during every request; false stops it
};

// A publish target's folder over libcurl: SFTP checked against known_hosts, FTP with TLS
// required (FTPS) or, after the user's warning, plain. One connection serves every request
// while the server keeps it.
class CurlRemoteSite : public RemoteSite {
public:
    explicit CurlRemoteSite(RemoteAccess access);
    ~CurlRemoteSite() override;
    CurlRemoteSite(const CurlRemoteSite&) = delete;
    CurlRemoteSite& operator=(const CurlRemoteSite&) = delete;

    std::optional<std::string> Fetch(const std::string& name) override;
    void MakeFolder(const std::string& name) override;
    void Put(const fs::path& file, const std::string& name, const SentBytes& sent) override;
    void PutBytes(const std::string& bytes, const std::string& name) override;
    void Remove(const std::string& name) override;

private:
    struct Source;
    struct Callbacks;
    friend struct Callbacks;
    enum class KeyTrouble { None, Unknown, Changed, NotSaved };

    bool Sftp() const { return m_access.target.protocol == PublishProtocol::Sftp; }
    std::string Url(const std::string& name) const;
    std::string ServerPath(const std::string& name) const;
    std::string Quoted(const std::string& path) const;
    std::string Command(const char* sftp, const char* ftp, const std::string& name) const;
    std::string Rename(const std::string& from, const std::string& to) const;
    bool Exists(const std::string& name);
    void Prepare(const std::string& url);
    int Perform();
    [[noreturn]] void Fail(int code, const std::string& doing);
    void RunCommands(const std::vector<std::string>& commands, const std::string& doing);
    void PutFrom(Source& source, const std::string& name, const SentBytes& sent);
    void Discard(const std::string& temporary);

    RemoteAccess m_access;
    void* m_easy;
    char m_errorText[256] = {};
    KeyTrouble m_keyTrouble = KeyTrouble::None;
    HostKey m_serverKey;
    std::string m_keySaveFailure;
    const SentBytes* m_sent = nullptr; // told the bytes of the upload under way
    bool m_mayStop = true;             // false while cleaning up and writing the record
};

} // namespace quorlex
