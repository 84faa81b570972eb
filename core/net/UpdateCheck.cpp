#include "net/UpdateCheck.h"

#include "help/WebSite.h"
#include "net/NetTexts.h"
#include "ports/HelpViewer.h"
#include "ports/Platform.h"
#include "ports/Ui.h"
#include "util/Error.h"
#include "util/TextFile.h"

namespace quorlex {

namespace {

// The version file is a line or two; anything much longer is not one.
constexpr std::size_t kMaxVersionFileBytes = std::size_t{64} * 1024;

} // namespace

std::string VersionsText(const VersionNumber& published, const VersionNumber& running) {
    if (CompareVersions(published, running) > 0)
        return "Version " + published.Text() + " is available; you have version " + running.Text() + ".";
    return "You have version " + running.Text() + "; the newest published is " + published.Text() + ".";
}

UpdateCheck::UpdateCheck(HttpClient& http, HelpViewer& help, Platform& platform, Ui& ui)
    : m_http(http), m_help(help), m_platform(platform), m_ui(ui) {
    m_state.status = nettexts::kChecking;
}

void UpdateCheck::Changed() {
    if (m_changed)
        m_changed();
}

void UpdateCheck::Activated(const fs::path& appFolder, const fs::path& cacheFolder) {
    if (m_state.running)
        return;
    m_appFolder = appFolder;
    m_cacheFolder = cacheFolder;
    m_state = UpdateCheckState{};
    m_state.status = nettexts::kDownloading;
    m_state.running = true;
    RemoveVersionFile();
    HttpRequest request;
    request.url = UpdateServer() + nettexts::kVersionPath;
    request.followRedirects = true;
    request.maxBodyBytes = kMaxVersionFileBytes;
    m_http.Start(request, *this);
    Changed();
}

void UpdateCheck::Progress(std::uint64_t received, std::uint64_t total) {
    m_state.progressMaximum = total;
    m_state.progressPosition = received;
    Changed();
}

void UpdateCheck::Finished(const HttpResult& result) {
    Conclude(result);
    m_state.running = false;
    m_state.progressVisible = false;
    Changed();
}

void UpdateCheck::Conclude(const HttpResult& result) {
    m_state.status = nettexts::kCannotDownload;
    if (!result.ok)
        return;
    try {
        m_versionFile = StoreAnswer(result.body);
        const auto published = PublishedVersion(ReadFileBytes(m_versionFile));
        if (!published)
            return;
        const VersionNumber running = RunningVersion();
        const bool newer = CompareVersions(*published, running) > 0;
        m_state.versions = VersionsText(*published, running);
        m_state.getNewVersionEnabled = newer;
        m_state.whatsNewVisible = newer;
        m_state.status = newer ? nettexts::kNewVersion : nettexts::kNoUpdates;
    } catch (const Error&) {
        m_state.status = nettexts::kCannotDownload;
    }
}

fs::path UpdateCheck::StoreAnswer(const std::string& body) const {
    fs::path inProgram = m_appFolder / nettexts::kVersionFileName;
    try {
        WriteFileAtomic(inProgram, body);
        return inProgram;
    } catch (const Error&) {
        std::error_code ignored;
        fs::create_directories(m_cacheFolder, ignored);
        fs::path inCache = m_cacheFolder / nettexts::kVersionFileName;
        WriteFileAtomic(inCache, body);
        return inCache;
    }
}

void UpdateCheck::RemoveVersionFile() {
    std::error_code ignored;
    if (!m_versionFile.empty())
        fs::remove(m_versionFile, ignored);
    if (!m_appFolder.empty())
        fs::remove(m_appFolder / nettexts::kVersionFileName, ignored);
    m_versionFile.clear();
}

void UpdateCheck::WhatsNew() { m_help.ShowHelp(UpdateServer() + nettexts::kWhatsNewPath); }

void UpdateCheck::GetNewVersion() {
    const std::string page = UpdateServer() + nettexts::kDownloadPath;
    if (!m_platform.OpenUrl(page))
        m_ui.ShowError("Cannot open \"" + page + "\" in the web browser.");
}

void UpdateCheck::Closed() {
    m_http.Cancel();
    RemoveVersionFile();
    if (m_state.running) {
        m_state.running = false;
        m_state.progressVisible = false;
        Changed();
    }
}

} // namespace quorlex
