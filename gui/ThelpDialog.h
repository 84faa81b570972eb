#pragma once

#include "ports/HelpViewer.h"

#include <QDialog>
#include <QUrl>

class QPushButton;
class QWebEngineView;

namespace quorlex {

// "Help Info": a browser over a bar of "< Back", "Forward >" (the browser's history, also
// Alt+Left and Alt+Right) and "OK"; Escape closes it. It keeps the address set last and goes
// there every time it is shown.
class ThelpDialog : public QDialog, public HelpViewer {
    Q_OBJECT
public:
    explicit ThelpDialog(QWidget* parent = nullptr);

    void ShowHelpFile(const std::filesystem::path& file) override;
    void ShowHelp(const std::string& address) override;
    const QUrl& address() const { return m_address; }
    QWebEngineView* browser() const { return m_browser; }
    QPushButton* backButton() const { return m_back; }
    QPushButton* forwardButton() const { return m_forward; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Show(const QUrl& address);
    void UpdateHistoryButtons();
    QWebEngineView* m_browser;
    QPushButton* m_back;
    QPushButton* m_forward;
    QUrl m_address{QStringLiteral("about:blank")};
};

} // namespace quorlex
