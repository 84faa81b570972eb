#pragma once

#include "net/VersionFile.h"
#include "ports/HttpClient.h"

#include <filesystem>
#include <functional>
#include <string>

namespace quorlex {

namespace fs = std::filesystem;
class HelpViewer;
class Platform;
class Ui;

// What the version-check window shows.
struct UpdateCheckState {
    std::string status;
    std::string versions; // which version the server offers and which one runs; empty until known
    bool progressVisible = true;
    std::uint64_t progressMaximum = 0; // 0: the size is not known yet
    std::uint64_t progressPosition = 0;
    bool whatsNewVisible = false;
    bool getNewVersionEnabled = false;
    bool running = false;
};

// The line under the status that names the published and the running version.
std::string VersionsText(const VersionNumber& published, const VersionNumber& running);

// The version-check window: every activation asks the update server for the newest
// version, stores its answer as "temp.tmp" and compares it with the running version.
class UpdateCheck : private HttpListener {
public:
    UpdateCheck(HttpClient& http, HelpViewer& help, Platform& platform, Ui& ui);

    // Called after every change of the state.
    void SetListener(std::function<void()> changed) { m_changed = std::move(changed); }
    const UpdateCheckState& state() const { return m_state; }
    // Where the last check stored the server's answer.
    const fs::path& versionFile() const { return m_versionFile; }

    // The window became active: a new check starts unless one is running. The answer goes
    // into the program folder, or into `cacheFolder` when the program folder cannot be written.
    void Activated(const fs::path& appFolder, const fs::path& cacheFolder);
    // "What's New?": the server's list of changes in the help viewer.
    void WhatsNew();
    // "Get the new version": the download page in the web browser; the window closes after it.
    void GetNewVersion();
    // The window closes: a running check ends and the stored answer goes.
    void Closed();

private:
    void Progress(std::uint64_t received, std::uint64_t total) override;
    void Finished(const HttpResult& result) override;
    void Conclude(const HttpResult& result);
    fs::path StoreAnswer(const std::string& body) const;
    void RemoveVersionFile();
    void Changed();

    HttpClient& m_http;
    HelpViewer& m_help;
    Platform& m_platform;
    Ui& m_ui;
    std::function<void()> m_changed;
    UpdateCheckState m_state;
    fs::path m_appFolder;
    fs::path m_cacheFolder;
    fs::path m_versionFile;
};

} // namespace quorlex
