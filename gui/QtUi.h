#pragma once

#include "ports/Ui.h"

class QWidget;

namespace quorlex {

// Message boxes over the main window and its screen-update switch.
class QtUi : public Ui {
public:
    void SetWindow(QWidget* window) { m_window = window; }

    void Inform(const std::string& text) override;
    void ShowError(const std::string& text) override;
    Answer Confirm(const std::string& question) override;
    std::optional<Color> ChooseColor(Color initial, const std::function<void(Color)>& preview) override;
    std::optional<std::filesystem::path> AskSaveFile(const SaveFileRequest& request) override;
    std::optional<std::filesystem::path> AskOpenFile(const OpenFileRequest& request) override;
    void SuspendUpdates() override;
    void ResumeUpdates() override;

private:
    QWidget* m_window = nullptr;
    int m_suspended = 0;
};

} // namespace quorlex
