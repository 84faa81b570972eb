#pragma once

#include "net/HeaderCheck.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
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

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Render();

    HeaderCheck m_check;
    QLineEdit* m_url;
    QPlainTextEdit* m_headers;
    QPushButton* m_view;
};

} // namespace quorlex
