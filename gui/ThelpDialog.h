#pragma once

#include "ports/HelpViewer.h"

#include <QDialog>
#include <QUrl>

class QWebEngineView;

namespace quorlex {

// "Help Info": a browser over an "OK" bar. It keeps the address set last and goes there
// every time it is shown.
class ThelpDialog : public QDialog, public HelpViewer {
    Q_OBJECT
public:
    explicit ThelpDialog(QWidget* parent = nullptr);

    void ShowHelpFile(const std::filesystem::path& file) override;
    void ShowHelp(const std::string& address) override;
    const QUrl& address() const { return m_address; }
    QWebEngineView* browser() const { return m_browser; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Show(const QUrl& address);
    QWebEngineView* m_browser;
    QUrl m_address{QStringLiteral("about:blank")};
};

} // namespace quorlex
