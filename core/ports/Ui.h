#pragma once

#include <string>

namespace quorlex {

// Talking back to the user. The gui shows message boxes; tests record them.
class Ui {
public:
    virtual ~Ui() = default;
    // Information box with one OK button.
    virtual void Inform(const std::string& text) = 0;
    // Error box with one OK button.
    virtual void ShowError(const std::string& text) = 0;
    // Screen updates of the main window; always called in pairs.
    virtual void SuspendUpdates() = 0;
    virtual void ResumeUpdates() = 0;
};

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
