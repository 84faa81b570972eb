#pragma once

#include "ports/Ui.h"

namespace quorlex::bench {

// Answers every question with "no" and shows nothing.
class SilentUi : public Ui {
public:
    void Inform(const std::string&) override {}
    void ShowError(const std::string&) override {}
    Answer Confirm(const std::string&) override { return Answer::No; }
    std::optional<Color> ChooseColor(Color, const std::function<void(Color)>&) override { return std::nullopt; }
    std::optional<std::filesystem::path> AskSaveFile(const SaveFileRequest&) override { return std::nullopt; }
    std::optional<std::filesystem::path> AskOpenFile(const OpenFileRequest&) override { return std::nullopt; }
    void SuspendUpdates() override {}
    void ResumeUpdates() override {}
};

} // namespace quorlex::bench
