#pragma once

#include "net/UpdateCheck.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace quorlex {

class Session;

// "Version check...": every activation asks the update server for the newest version.
class UpdateCheckWindow : public QDialog {
    Q_OBJECT
public:
    UpdateCheckWindow(Session& session, HttpClient& http, HelpViewer& help, QWidget* parent = nullptr);

    UpdateCheck& check() { return m_check; }
    QLabel* statusText() const { return m_status; }
    QLabel* versionsText() const { return m_versions; }
    QProgressBar* progress() const { return m_progress; }
    QPushButton* whatsNewButton() const { return m_whatsNew; }
    QPushButton* getNewVersionButton() const { return m_getNew; }

    void done(int result) override;

protected:
    bool event(QEvent* event) override;

private:
    void Render();

    Session& m_session;
    UpdateCheck m_check;
    QLabel* m_status;
    QLabel* m_versions;
    QProgressBar* m_progress;
    QPushButton* m_whatsNew;
    QPushButton* m_getNew;
};

} // namespace quorlex
