#pragma once

#include "ports/Browsers.h"
#include "ports/FilesystemPlatform.h"
#include "ports/HelpViewer.h"
#include "ports/Ui.h"
#include "publish/SecretStore.h"
#include "util/FolderCopy.h"

#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace quorlex::test {

// Records every message and the balance of screen-update suspensions.
class FakeUi : public Ui {
public:
    void Inform(const std::string& text) override { messages.push_back(text); }
    void ShowError(const std::string& text) override { errors.push_back(text); }
    Answer Confirm(const std::string& question) override;
    std::optional<Color> ChooseColor(Color initial, const std::function<void(Color)>& preview) override;
    std::optional<std::filesystem::path> AskSaveFile(const SaveFileRequest& request) override;
    std::optional<std::filesystem::path> AskOpenFile(const OpenFileRequest& request) override;
    void SuspendUpdates() override {
        ++suspended;
        ++suspendCount;
    }
    void ResumeUpdates() override { --suspended; }
    std::optional<std::string> AskSecret(const std::string& prompt) override {
        secretPrompts.push_back(prompt);
        if (secrets.empty())
            return std::nullopt;
        auto secret = secrets.front();
        secrets.pop_front();
        return secret;
    }

    std::vector<std::string> messages;
    std::vector<std::string> errors;
    std::vector<std::string> questions;
    std::deque<Answer> answers; // scripted; Yes when empty
    std::vector<Color> colorOffers;
    std::deque<std::optional<Color>> chosenColors; // scripted; cancel when empty
    std::vector<Color> pointedColors;              // shown to the preview by every chooser before it closes
    std::vector<SaveFileRequest> saveRequests;
    std::deque<std::optional<std::filesystem::path>> savePaths; // scripted; cancel when empty
    std::vector<OpenFileRequest> openRequests;
    std::deque<std::optional<std::filesystem::path>> openPaths; // scripted; cancel when empty
    std::vector<std::string> secretPrompts;
    std::deque<std::optional<std::string>> secrets; // scripted; cancel when empty
    int suspended = 0;                              // open suspensions; 0 when balanced
    int suspendCount = 0;                           // suspensions ever made
};

// Keeps secrets in memory, as the desktop's store would.
class MemorySecretStore : public SecretStore {
public:
    std::optional<std::string> Lookup(const std::string& key) override {
        const auto found = secrets.find(key);
        return found == secrets.end() ? std::nullopt : std::optional<std::string>(found->second);
    }
    void Store(const std::string& key, const std::string&, const std::string& secret) override {
        secrets[key] = secret;
    }
    void Clear(const std::string& key) override { secrets.erase(key); }

    std::map<std::string, std::string> secrets;
};

// The line each message starts with, before the cause a page adds under it.
std::vector<std::string> FirstLines(const std::vector<std::string>& messages);

// Remembers what each browser was told to show.
class FakeBrowsers : public Browsers {
public:
    void ShowFile(BrowserId browser, const fs::path& file) override;
    void Navigate(BrowserId browser, const std::string& address) override;
    bool PatchStyles(BrowserId browser, const fs::path& file, const StylePatch& patch) override;
    void ShowHtml(BrowserId browser, const std::string& html) override;
    // The last file, address or HTML of a browser ("html:" + text for HTML).
    std::string Shown(BrowserId browser) const;

    std::vector<std::pair<BrowserId, std::string>> log;
    bool patchesTaken = true; // false: a view still loading, which takes no patch
};

// Remembers every address the help viewer was shown with.
class FakeHelpViewer : public HelpViewer {
public:
    void ShowHelpFile(const fs::path& file) override { shown.push_back(file.string()); }
    void ShowHelp(const std::string& address) override { shown.push_back(address); }

    std::vector<std::string> shown;
};

// Platform on plain files that answers the folder copy's questions from a script and
// records what it was asked to open.
class RecordingPlatform : public FilesystemPlatform {
public:
    bool CopyFolderInteractive(const fs::path& from, const fs::path& to) override {
        return CopyFolderWithQuestions(from, to, copyQuestions);
    }
    bool OpenWithDefaultHandler(const fs::path& path) override {
        opened.push_back(path);
        return openSucceeds;
    }
    bool OpenUrl(const std::string& url) override {
        openedUrls.push_back(url);
        return openSucceeds;
    }
    fs::path GetMyDocumentsFolder() override { return documentsFolder; }

    fs::path documentsFolder;
    FolderCopyQuestions copyQuestions;
    std::vector<fs::path> opened;
    std::vector<std::string> openedUrls;
    bool openSucceeds = true;
};

} // namespace quorlex::test
