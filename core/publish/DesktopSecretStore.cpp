#include "publish/SecretStore.h"
#include "util/Error.h"

#include <libsecret/secret.h>

namespace quorlex {

namespace {

const SecretSchema* Schema() {
    static const SecretSchema schema = {
        "io.quorlex.Quorlex.Publish",
        SECRET_SCHEMA_NONE,
        {{"target", SECRET_SCHEMA_ATTRIBUTE_STRING}, {nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING}},
        0,
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        nullptr};
    return &schema;
}

// Throws the store's own reason, and frees it.
void ThrowOnError(GError* error, const char* doing) {
    if (!error)
        return;
    const std::string reason = error->message;
    g_error_free(error);
    throw Error(std::string("Cannot ") + doing + " the desktop's secret store: " + reason +
                " (Is a keyring such as GNOME Keyring or KWallet running?)");
}

} // namespace

std::optional<std::string> DesktopSecretStore::Lookup(const std::string& key) {
    GError* error = nullptr;
    gchar* secret = secret_password_lookup_sync(Schema(), nullptr, &error, "target", key.c_str(), nullptr);
    ThrowOnError(error, "read from");
    if (!secret)
        return std::nullopt;
    std::string value = secret;
    secret_password_free(secret);
    return value;
}

void DesktopSecretStore::Store(const std::string& key, const std::string& label, const std::string& secret) {
    GError* error = nullptr;
    secret_password_store_sync(Schema(), SECRET_COLLECTION_DEFAULT, label.c_str(), secret.c_str(), nullptr, &error,
                               "target", key.c_str(), nullptr);
    ThrowOnError(error, "write to");
}

void DesktopSecretStore::Clear(const std::string& key) {
    GError* error = nullptr;
    secret_password_clear_sync(Schema(), nullptr, &error, "target", key.c_str(), nullptr);
    ThrowOnError(error, "write to");
}

} // namespace quorlex
