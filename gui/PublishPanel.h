#pragma once

#include "app/PublishPage.h"

#include <QWidget>
#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace quorlex {

class Session;

// "Publish": the publish targets, a check (dry run) or a publish of the finished site on a
// worker thread with its progress, Cancel, and the run's result.
class PublishPanel : public QWidget, private PublishListener {
    Q_OBJECT
public:
    explicit PublishPanel(Session& session, QWidget* parent = nullptr);
    // Cancels a run and waits for its thread.
    ~PublishPanel() override;

    // The targets again, keeping the chosen one where it still exists.
    void ShowTargets();
    bool running() const { return m_worker.joinable(); }
    // Called on the worker thread with each progress report once it is on its way to the
    // window; tests pause a run with it. Set it while no run goes.
    void SetProgressHook(std::function<void(const PublishProgress&)> hook) { m_hook = std::move(hook); }

    QComboBox* targetChoice() const { return m_targets; }
    QPushButton* newButton() const { return m_new; }
    QPushButton* editButton() const { return m_edit; }
    QPushButton* deleteButton() const { return m_delete; }
    QLabel* warning() const { return m_warning; }
    QPushButton* checkButton() const { return m_check; }
    QPushButton* publishButton() const { return m_publish; }
    QPushButton* cancelButton() const { return m_cancel; }
    QProgressBar* progressBar() const { return m_progress; }
    QLabel* bytesLabel() const { return m_bytes; }
    QLabel* fileLabel() const { return m_file; }
    QPlainTextEdit* result() const { return m_result; }

signals:
    // A run has ended and its result is shown.
    void runEnded();

private:
    QWidget* BuildTargetRow();
    QWidget* BuildRunRow();
    QWidget* BuildProgress();
    std::string ChosenName() const;
    void EditTarget(const PublishTarget& target, const std::string& replacing);
    void DeleteChosen();
    void Render();
    void StartRun(bool dryRun);
    void Run(PublishJob job);
    void RunEnded(PublishJob job, const PublishOutcome& outcome);
    void ShowProgress();

    bool Progress(const PublishProgress& progress) override;
    bool KeepGoing() override { return !m_cancelled; }

    Session& m_session;
    QComboBox* m_targets = nullptr;
    QPushButton* m_new = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_delete = nullptr;
    QLabel* m_warning = nullptr;
    QPushButton* m_check = nullptr;
    QPushButton* m_publish = nullptr;
    QPushButton* m_cancel = nullptr;
    QWidget* m_progressRow = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_bytes = nullptr;
    QLabel* m_file = nullptr;
    QPlainTextEdit* m_result = nullptr;

    std::thread m_worker;
    std::atomic<bool> m_cancelled{false};
    std::function<void(const PublishProgress&)> m_hook;
    std::mutex m_progressLock;
    PublishProgress m_latest;      // guarded by m_progressLock
    bool m_progressPosted = false; // guarded by m_progressLock
};

} // namespace quorlex
