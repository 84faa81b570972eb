#pragma once

#include <optional>
#include <string>

namespace quorlex {

// Where passwords and key passphrases are kept: never in a file of the program's.
class SecretStore {
public:
    virtual ~SecretStore() = default;
    // The secret kept under `key`, or nothing. Throws Error when the store cannot be reached.
    virtual std::optional<std::string> Lookup(const std::string& key) = 0;
    virtual void Store(const std::string& key, const std::string& label, const std::string& secret) = 0;
    virtual void Clear(const std::string& key) = 0;
};

// The desktop's secret store (the Secret Service over D-Bus, through libsecret), in its default
// collection.
class DesktopSecretStore : public SecretStore {
public:
    std::optional<std::string> Lookup(const std::string& key) override;
    void Store(const std::string& key, const std::string& label, const std::string& secret) override;
    void Clear(const std::string& key) override;
};

} // namespace quorlex
