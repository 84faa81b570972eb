#pragma once

#include "net/HeaderCheck.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace quorlex {

class Ui;

// "Check Headers ...": lists the response headers of a typed URL. Keeps its URL and
// headers between openings.
class HeaderCheckWindow : public QDialog {
    Q_OBJECT
public:
    HeaderCheckWindow(HttpClient& http, Ui& ui, QWidget* parent = nullptr);

    HeaderCheck& check() { return m_check; }
    QLineEdit* urlField() const { return m_url; }
    QPlainTextEdit* headerArea() const { return m_headers; }
    QPushButton* viewButton() const { return m_view; }
    // "Checking..." beside a running bar while a request waits for its answer.
    QLabel* busyText() const { return m_busyText; }
    QProgressBar* busyBar() const { return m_busyBar; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Render();

    HeaderCheck m_check;
    QLineEdit* m_url;
    QPlainTextEdit* m_headers;
    QPushButton* m_view;
    QLabel* m_busyText;
    QProgressBar* m_busyBar;
};

} // namespace quorlex
