#pragma once

#include "app/DialogFolders.h"
#include "ports/Ui.h"
#include "util/RecentList.h"

class QSettings;
class QWidget;

namespace quorlex {

// Message boxes over the main window, its file dialogs (each kind opening where the last of
// its kind was) and its screen-update switch.
class QtUi : public Ui {
public:
    static constexpr size_t kRecentColorCount = 16; // the chooser's custom color slots

    QtUi();
    void SetWindow(QWidget* window) { m_window = window; }
    DialogFolders& dialogFolders() { return m_folders; }
    // The dialogs' folders and the recent colors of an earlier run, and for the next one.
    void RestoreSettings(const QSettings& settings);
    void SaveSettings(QSettings& settings) const;
    const RecentList<Color>& recentColors() const { return m_recentColors; }

    void Inform(const std::string& text) override;
    void ShowError(const std::string& text) override;
    Answer Confirm(const std::string& question) override;
    Answer ConfirmLoss(const std::string& question) override;
    Answer AskYesNo(const std::string& question) override;
    std::optional<Color> ChooseColor(Color initial, const std::function<void(Color)>& preview) override;
    std::optional<std::filesystem::path> AskSaveFile(const SaveFileRequest& request) override;
    std::optional<std::filesystem::path> AskOpenFile(const OpenFileRequest& request) override;
    std::vector<std::filesystem::path> AskOpenFiles(const OpenFileRequest& request) override;
    std::optional<std::string> AskSecret(const std::string& prompt) override;
    // Qt paints only from the event loop, which core never runs while it changes the window's
    // state, so no half-made state reaches the screen; disabling updates would only force a
    // repaint of the whole window afterwards.
    void SuspendUpdates() override {}
    void ResumeUpdates() override {}

private:
    std::vector<std::filesystem::path> AskOpen(const OpenFileRequest& request, bool several);
    void PlaceBesidePreview(QWidget& dialog) const;

    QWidget* m_window = nullptr;
    DialogFolders m_folders;
    RecentList<Color> m_recentColors{kRecentColorCount};
};

} // namespace quorlex
