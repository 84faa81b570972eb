#pragma once

#include "util/Color.h"
#include "util/Notices.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quorlex {

enum class Answer { Yes, No, Cancel };

// The kinds of file a dialog asks for; each kind opens where the last one of its kind was.
enum class FileKind { Other, Project, MenuStructure, Code, Image };

// What a save dialog offers: filters as "Name (*.ext)", the one at `selectedFilter` preselected.
struct SaveFileRequest {
    std::string title;
    std::vector<std::string> filters;
    std::string proposedName;
    std::string defaultSuffix;
    FileKind kind = FileKind::Other;
    size_t selectedFilter = 0;
};

// What an open dialog offers: filters as "Name (*.ext *.ext2)", the first preselected.
struct OpenFileRequest {
    std::string title;
    std::vector<std::string> filters;
    FileKind kind = FileKind::Other;
};

// Talking back to the user. The gui shows message boxes; tests record them.
class Ui {
public:
    virtual ~Ui() = default;
    // Information box with one OK button.
    virtual void Inform(const std::string& text) = 0;
    // Error box with one OK button.
    virtual void ShowError(const std::string& text) = 0;
    // Question with the buttons Yes, No and Cancel.
    virtual Answer Confirm(const std::string& question) = 0;
    // Question with the buttons Yes, No and Cancel before something is deleted or replaced:
    // Enter answers No. A port without such a default asks with Confirm.
    virtual Answer ConfirmLoss(const std::string& question) { return Confirm(question); }
    // Question with the buttons Yes and No; a port without such a box asks with Confirm.
    virtual Answer AskYesNo(const std::string& question) { return Confirm(question); }
    // The full color chooser opened on `initial`; `preview` gets each color the user points at
    // while it is open. Nothing when the user cancels.
    virtual std::optional<Color> ChooseColor(Color initial, const std::function<void(Color)>& preview) = 0;
    // The save dialog, which asks before replacing a file; nothing when the user cancels.
    virtual std::optional<std::filesystem::path> AskSaveFile(const SaveFileRequest& request) = 0;
    // The open dialog for an existing file; nothing when the user cancels.
    virtual std::optional<std::filesystem::path> AskOpenFile(const OpenFileRequest& request) = 0;
    // The open dialog for several existing files; empty when the user cancels. A port
    // without such a dialog asks for one file.
    virtual std::vector<std::filesystem::path> AskOpenFiles(const OpenFileRequest& request) {
        std::vector<std::filesystem::path> files;
        if (auto file = AskOpenFile(request))
            files.push_back(std::move(*file));
        return files;
    }
    // A password or passphrase, typed without being shown; nothing when the user cancels. A port
    // without such a prompt has none to give.
    virtual std::optional<std::string> AskSecret(const std::string& /*prompt*/) { return std::nullopt; }
    // Screen updates of the main window; always called in pairs.
    virtual void SuspendUpdates() = 0;
    virtual void ResumeUpdates() = 0;
};

// Shows each notice in an information box, or in an error box.
inline void ShowInformation(Ui& ui, const Notices& notices) {
    for (const std::string& notice : notices)
        ui.Inform(notice);
}
inline void ShowErrors(Ui& ui, const Notices& notices) {
    for (const std::string& notice : notices)
        ui.ShowError(notice);
}

// Suspends screen updates for its lifetime, also when an error leaves the scope.
class UpdatesSuspended {
public:
    explicit UpdatesSuspended(Ui& ui) : m_ui(ui) { m_ui.SuspendUpdates(); }
    ~UpdatesSuspended() { m_ui.ResumeUpdates(); }
    UpdatesSuspended(const UpdatesSuspended&) = delete;
    UpdatesSuspended& operator=(const UpdatesSuspended&) = delete;

private:
    Ui& m_ui;
};

} // namespace quorlex
