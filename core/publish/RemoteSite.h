#pragma once

#include "publish/SshKeys.h"
#include "util/Error.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace quorlex {

namespace fs = std::filesystem;

// The user stopped the transfer.
class TransferCancelled : public Error {
public:
    TransferCancelled() : Error("The transfer was cancelled.") {}
};

// The server did not take the user name with that password or key.
class LoginRefused : public Error {
public:
    using Error::Error;
};

// An SSH server whose key known_hosts does not hold: the user is shown the key to accept it.
class UnknownHostKey : public Error {
public:
    UnknownHostKey(const std::string& message, HostKey key) : Error(message), m_key(std::move(key)) {}
    const HostKey& key() const { return m_key; }

private:
    HostKey m_key;
};

// The remote folder of a publish target. Names are relative to it, with "/" between folders.
// Every failure throws Error with the server's reason.
class RemoteSite {
public:
    // Told the bytes sent of the file so far; false stops the transfer.
    using SentBytes = std::function<bool(std::uint64_t)>;

    virtual ~RemoteSite() = default;
    // The file's bytes, or nothing when the server has no such file.
    virtual std::optional<std::string> Fetch(const std::string& name) = 0;
    // Creates the folder and those above it that are missing.
    virtual void MakeFolder(const std::string& name) = 0;
    // Sends the file under a temporary name beside `name` and then renames it into place, so
    // that `name` is the old file or the new one, never part of one. On failure (and when
    // stopped, with TransferCancelled) the temporary file is removed if the server still answers.
    virtual void Put(const fs::path& file, const std::string& name, const SentBytes& sent) = 0;
    // The same for bytes in memory; a stop asked for does not stop it.
    virtual void PutBytes(const std::string& bytes, const std::string& name) = 0;
    // Deletes the file; a file already gone is no failure.
    virtual void Remove(const std::string& name) = 0;
};

} // namespace quorlex
