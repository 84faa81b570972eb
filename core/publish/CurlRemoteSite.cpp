#include "publish/CurlRemoteSite.h"

#include "util/NativeNames.h"

#include <cstdio>
#include <curl/curl.h>
#include <mutex>

namespace quorlex {

namespace {

constexpr size_t kMaxFetchBytes = size_t{64} << 20;
constexpr const char* kTemporarySuffix = ".quorlex-upload";
constexpr const char* kOldSuffix = ".quorlex-old";

CURL* Easy(void* handle) { return static_cast<CURL*>(handle); }

void InitCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// "images/.a.jpg.quorlex-upload" beside "images/a.jpg".
std::string Beside(const std::string& name, const char* suffix) {
    const size_t slash = name.rfind('/');
    const size_t base = slash == std::string::npos ? 0 : slash + 1;
    return name.substr(0, base) + "." + name.substr(base) + suffix;
}

std::string FolderPart(const std::string& folder) {
    std::string trimmed = folder;
    while (trimmed.size() > 1 && trimmed.back() == '/')
        trimmed.pop_back();
    return trimmed;
}

// Lets a clean-up run to its end even after the user asked to stop.
class Unstoppable {
public:
    explicit Unstoppable(bool& mayStop) : m_mayStop(mayStop) { m_mayStop = false; }
    ~Unstoppable() { m_mayStop = true; }
    Unstoppable(const Unstoppable&) = delete;
    Unstoppable& operator=(const Unstoppable&) = delete;

private:
    bool& m_mayStop;
};

size_t CollectBytes(char* data, size_t size, size_t count, void* target) {
    auto* bytes = static_cast<std::string*>(target);
    if (bytes->size() + size * count > kMaxFetchBytes)
        return 0;
    bytes->append(data, size * count);
    return size * count;
}

} // namespace

// What an upload reads: a file or bytes in memory.
struct CurlRemoteSite::Source {
    std::FILE* file = nullptr;
    const std::string* bytes = nullptr;
    size_t at = 0;
    std::uint64_t size = 0;

    static size_t Read(char* buffer, size_t size, size_t count, void* self) {
        auto* source = static_cast<Source*>(self);
        if (source->file) {
            const size_t read = std::fread(buffer, 1, size * count, source->file);
            return read == 0 && std::ferror(source->file) ? CURL_READFUNC_ABORT : read;
        }
        const size_t length = std::min(size * count, source->bytes->size() - source->at);
        source->bytes->copy(buffer, length, source->at);
        source->at += length;
        return length;
    }
};

struct CurlRemoteSite::Callbacks {
    static int HostKey(CURL*, const curl_khkey*, const curl_khkey* found, curl_khmatch match, void* self) {
        auto* site = static_cast<CurlRemoteSite*>(self);
        site->m_serverKey.blob = found->len ? std::string(found->key, found->len) : std::string();
        if (match == CURLKHMATCH_OK)
            return CURLKHSTAT_FINE;
        if (match == CURLKHMATCH_MISMATCH) {
            site->m_keyTrouble = KeyTrouble::Changed;
            return CURLKHSTAT_REJECT;
        }
        const auto& accepted = site->m_access.acceptedKey;
        if (!accepted || accepted->blob != site->m_serverKey.blob) {
            site->m_keyTrouble = KeyTrouble::Unknown;
            return CURLKHSTAT_REJECT;
        }
        try {
            const PublishTarget& target = site->m_access.target;
            AddKnownHost(site->m_access.knownHosts, target.host, PortOf(target), site->m_serverKey);
        } catch (const std::exception& error) {
            site->m_keyTrouble = KeyTrouble::NotSaved;
            site->m_keySaveFailure = error.what();
            return CURLKHSTAT_REJECT;
        }
        return CURLKHSTAT_FINE;
    }

    static int Progress(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t uploaded) {
        const auto* site = static_cast<const CurlRemoteSite*>(self);
        if (site->m_mayStop && site->m_access.keepGoing && !site->m_access.keepGoing())
            return 1;
        return site->m_sent && !(*site->m_sent)(static_cast<std::uint64_t>(uploaded)) ? 1 : 0;
    }
};

CurlRemoteSite::CurlRemoteSite(RemoteAccess access) : m_access(std::move(access)) {
    InitCurlOnce();
    m_easy = curl_easy_init();
    if (!m_easy)
        throw Error("Cannot start a network transfer.");
}

CurlRemoteSite::~CurlRemoteSite() { curl_easy_cleanup(Easy(m_easy)); }

std::string CurlRemoteSite::Url(const std::string& name) const {
    const PublishTarget& target = m_access.target;
    const std::string folder = FolderPart(target.remoteFolder);
    const bool absolute = !folder.empty() && folder.front() == '/';
    std::string url = (Sftp() ? "sftp://" : "ftp://") + target.host + ":" + std::to_string(PortOf(target)) + "/";
    if (absolute && !Sftp())
        url += "%2F";
    if (!absolute && Sftp())
        url += "~/";
    const std::string path = folder.empty() || folder == "/" ? name : folder + "/" + name;
    size_t start = absolute ? 1 : 0;
    while (start <= path.size()) {
        const size_t end = std::min(path.find('/', start), path.size());
        const std::string part = path.substr(start, end - start);
        char* escaped = curl_easy_escape(Easy(m_easy), part.c_str(), static_cast<int>(part.size()));
        url += escaped;
        curl_free(escaped);
        if (end < path.size())
            url += '/';
        start = end + 1;
    }
    return url;
}

std::string CurlRemoteSite::ServerPath(const std::string& name) const {
    const std::string folder = FolderPart(m_access.target.remoteFolder);
    if (folder.empty())
        return name;
    return folder == "/" ? "/" + name : folder + "/" + name;
}

// A path in a server command: SFTP's commands take it quoted, FTP's the rest of the line.
std::string CurlRemoteSite::Quoted(const std::string& path) const {
    if (!Sftp())
        return path;
    std::string quoted = "\"";
    for (const char c : path) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string CurlRemoteSite::Command(const char* sftp, const char* ftp, const std::string& name) const {
    return std::string(Sftp() ? sftp : ftp) + " " + Quoted(ServerPath(name));
}

std::string CurlRemoteSite::Rename(const std::string& from, const std::string& to) const {
    return "rename " + Quoted(ServerPath(from)) + " " + Quoted(ServerPath(to));
}

void CurlRemoteSite::Prepare(const std::string& url) {
    CURL* easy = Easy(m_easy);
    curl_easy_reset(easy);
    const PublishTarget& target = m_access.target;
    m_errorText[0] = '\0';
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, Sftp() ? "sftp" : "ftp");
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, m_errorText);
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(m_access.connectTimeout.count()));
    const long stallSeconds = std::max<long>(1, static_cast<long>(m_access.stallTimeout.count() / 1000));
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, stallSeconds);
    curl_easy_setopt(easy, CURLOPT_USERNAME, target.user.c_str());
    curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, &Callbacks::Progress);
    curl_easy_setopt(easy, CURLOPT_XFERINFODATA, this);
    if (Sftp()) {
        // Pages and stylesheets shrink to a fraction on the way; pictures pass as they are.
        curl_easy_setopt(easy, CURLOPT_SSH_COMPRESSION, 1L);
        curl_easy_setopt(easy, CURLOPT_SSH_KNOWNHOSTS, m_access.knownHosts.c_str());
        curl_easy_setopt(easy, CURLOPT_SSH_KEYFUNCTION, &Callbacks::HostKey);
        curl_easy_setopt(easy, CURLOPT_SSH_KEYDATA, this);
        if (target.keyFile.empty()) {
            curl_easy_setopt(easy, CURLOPT_SSH_AUTH_TYPES,
                             static_cast<long>(CURLSSH_AUTH_PASSWORD | CURLSSH_AUTH_KEYBOARD));
            curl_easy_setopt(easy, CURLOPT_PASSWORD, m_access.secret.c_str());
        } else {
            const fs::path publicKey = fs::path(target.keyFile.string() + ".pub");
            std::error_code ec;
            curl_easy_setopt(easy, CURLOPT_SSH_AUTH_TYPES, static_cast<long>(CURLSSH_AUTH_PUBLICKEY));
            curl_easy_setopt(easy, CURLOPT_SSH_PRIVATE_KEYFILE, target.keyFile.c_str());
            curl_easy_setopt(easy, CURLOPT_SSH_PUBLIC_KEYFILE, fs::exists(publicKey, ec) ? publicKey.c_str() : "");
            curl_easy_setopt(easy, CURLOPT_KEYPASSWD, m_access.secret.c_str());
        }
    } else {
        curl_easy_setopt(easy, CURLOPT_PASSWORD, m_access.secret.c_str());
        curl_easy_setopt(easy, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_NOCWD));
        curl_easy_setopt(easy, CURLOPT_SERVER_RESPONSE_TIMEOUT, stallSeconds);
        if (target.protocol == PublishProtocol::Ftps)
            curl_easy_setopt(easy, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
        if (!target.caFile.empty())
            curl_easy_setopt(easy, CURLOPT_CAINFO, target.caFile.c_str());
    }
}

int CurlRemoteSite::Perform() {
    m_keyTrouble = KeyTrouble::None;
    return curl_easy_perform(Easy(m_easy));
}

void CurlRemoteSite::Fail(int code, const std::string& doing) {
    const PublishTarget& target = m_access.target;
    const std::string server = target.host + ":" + std::to_string(PortOf(target));
    const std::string known = PathToProgramText(m_access.knownHosts);
    switch (m_keyTrouble) {
    case KeyTrouble::Changed:
        throw Error("The host key of " + server + " is not the one " + known + " holds for it: it is now " +
                    HostKeyFingerprint(m_serverKey) + ". Someone may be in between, or the server was set up " +
                    "again. Nothing was sent. When the server's administrator confirms the new key, remove the " +
                    "server's line from " + known + " and publish again.");
    case KeyTrouble::Unknown:
        throw UnknownHostKey("The server " + server + " is not known yet. Its " + m_serverKey.Type() +
                                 " key has the fingerprint " + HostKeyFingerprint(m_serverKey) +
                                 ". Accept it only when it is the one your web space names.",
                             m_serverKey);
    case KeyTrouble::NotSaved: throw Error("Cannot add the server's key to " + known + ": " + m_keySaveFailure);
    case KeyTrouble::None: break;
    }
    if (code == CURLE_ABORTED_BY_CALLBACK)
        throw TransferCancelled();
    const std::string reason = m_errorText[0] ? m_errorText : curl_easy_strerror(static_cast<CURLcode>(code));
    if (code == CURLE_LOGIN_DENIED)
        throw LoginRefused("The server " + server + " did not accept the user \"" + target.user + "\" with this " +
                           (target.keyFile.empty() ? "password" : "key") + " (" + reason + ").");
    throw Error("Cannot " + doing + " (" + server + "): " + reason + ".");
}

std::optional<std::string> CurlRemoteSite::Fetch(const std::string& name) {
    Prepare(Url(name));
    std::string bytes;
    curl_easy_setopt(Easy(m_easy), CURLOPT_WRITEFUNCTION, &CollectBytes);
    curl_easy_setopt(Easy(m_easy), CURLOPT_WRITEDATA, &bytes);
    const int code = Perform();
    if (code == CURLE_REMOTE_FILE_NOT_FOUND)
        return std::nullopt;
    if (code != CURLE_OK)
        Fail(code, "read \"" + name + "\" from the server");
    return bytes;
}

void CurlRemoteSite::RunCommands(const std::vector<std::string>& commands, const std::string& doing) {
    Prepare(Url(""));
    curl_slist* list = nullptr;
    for (const std::string& command : commands)
        list = curl_slist_append(list, command.c_str());
    curl_easy_setopt(Easy(m_easy), CURLOPT_QUOTE, list);
    curl_easy_setopt(Easy(m_easy), CURLOPT_NOBODY, 1L);
    const int code = Perform();
    curl_slist_free_all(list);
    if (code != CURLE_OK)
        Fail(code, doing);
}

void CurlRemoteSite::MakeFolder(const std::string& name) {
    std::vector<std::string> commands;
    for (size_t slash = name.find('/');; slash = name.find('/', slash + 1)) {
        commands.push_back("*" + Command("mkdir", "MKD", name.substr(0, slash)));
        if (slash == std::string::npos)
            break;
    }
    RunCommands(commands, "make the folder \"" + name + "\"");
}

void CurlRemoteSite::PutFrom(Source& source, const std::string& name, const SentBytes& sent) {
    const std::string temporary = Beside(name, kTemporarySuffix);
    std::vector<std::string> commands;
    if (Sftp()) {
        // SFTP's rename does not replace a file: the old one steps aside until the new one is in.
        const std::string old = Beside(name, kOldSuffix);
        commands = {"*" + Command("rm", "", old), "*" + Rename(name, old), Rename(temporary, name),
                    "*" + Command("rm", "", old)};
    } else {
        commands = {Command("", "RNFR", temporary), Command("", "RNTO", name)};
    }
    curl_slist* after = nullptr;
    for (const std::string& command : commands)
        after = curl_slist_append(after, command.c_str());
    Prepare(Url(temporary));
    CURL* easy = Easy(m_easy);
    curl_easy_setopt(easy, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(easy, CURLOPT_READFUNCTION, &Source::Read);
    curl_easy_setopt(easy, CURLOPT_READDATA, &source);
    curl_easy_setopt(easy, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(source.size));
    curl_easy_setopt(easy, CURLOPT_POSTQUOTE, after);
    m_sent = sent ? &sent : nullptr;
    const int code = Perform();
    m_sent = nullptr;
    curl_slist_free_all(after);
    if (code == CURLE_OK)
        return;
    const KeyTrouble trouble = m_keyTrouble;
    const std::string errorText = m_errorText;
    Discard(name);
    m_keyTrouble = trouble;
    errorText.copy(m_errorText, sizeof m_errorText - 1);
    m_errorText[std::min(errorText.size(), sizeof m_errorText - 1)] = '\0';
    Fail(code, "send \"" + name + "\"");
}

// After a failed upload: the temporary file goes, and an old file moved aside comes back.
void CurlRemoteSite::Discard(const std::string& name) {
    std::vector<std::string> commands{"*" + Command("rm", "DELE", Beside(name, kTemporarySuffix))};
    if (Sftp())
        commands.push_back("*" + Rename(Beside(name, kOldSuffix), name));
    const Unstoppable unstoppable(m_mayStop);
    try {
        RunCommands(commands, "clean up");
    } catch (const std::exception&) {
        // The server no longer answers; the next publish sends the file again.
    }
}

void CurlRemoteSite::Put(const fs::path& file, const std::string& name, const SentBytes& sent) {
    Source source;
    source.file = std::fopen(file.c_str(), "rb");
    if (!source.file)
        throw Error("Cannot open \"" + PathToProgramText(file) + "\" to send it.");
    std::error_code ec;
    source.size = fs::file_size(file, ec);
    try {
        PutFrom(source, name, sent);
    } catch (...) {
        std::fclose(source.file);
        throw;
    }
    std::fclose(source.file);
}

void CurlRemoteSite::PutBytes(const std::string& bytes, const std::string& name) {
    Source source;
    source.bytes = &bytes;
    source.size = bytes.size();
    // Small and the last step: sent even after a stop, so the record tells what was done.
    const Unstoppable unstoppable(m_mayStop);
    PutFrom(source, name, nullptr);
}

bool CurlRemoteSite::Exists(const std::string& name) {
    Prepare(Url(name));
    curl_easy_setopt(Easy(m_easy), CURLOPT_NOBODY, 1L);
    const int code = Perform();
    if (code != CURLE_OK && code != CURLE_REMOTE_FILE_NOT_FOUND)
        Fail(code, "look for \"" + name + "\" on the server");
    return code == CURLE_OK;
}

void CurlRemoteSite::Remove(const std::string& name) {
    try {
        RunCommands({Command("rm", "DELE", name)}, "delete \"" + name + "\" on the server");
    } catch (const Error&) {
        if (Exists(name))
            throw;
    }
}

} // namespace quorlex
