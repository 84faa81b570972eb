#pragma once

#include "ports/Ui.h"

#include <ostream>

namespace quorlex {

// Ui without a window: messages go to a stream as UTF-8 lines, questions are answered "No",
// dialogs are cancelled.
class StreamUi : public Ui {
public:
    explicit StreamUi(std::ostream& out) : m_out(out) {}

    void Inform(const std::string& text) override;
    void ShowError(const std::string& text) override;
    Answer Confirm(const std::string& question) override;
    std::optional<Color> ChooseColor(Color, const std::function<void(Color)>&) override { return std::nullopt; }
    std::optional<std::filesystem::path> AskSaveFile(const SaveFileRequest&) override { return std::nullopt; }
    std::optional<std::filesystem::path> AskOpenFile(const OpenFileRequest&) override { return std::nullopt; }
    // $QUORLEX_PUBLISH_PASSWORD, else typed on the terminal without echo; nothing without one.
    std::optional<std::string> AskSecret(const std::string& prompt) override;
    void SuspendUpdates() override {}
    void ResumeUpdates() override {}

    int errors() const { return m_errors; }

private:
    void Write(const std::string& text);

    std::ostream& m_out;
    int m_errors = 0;
};

} // namespace quorlex
