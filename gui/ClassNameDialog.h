#pragma once

#include <QDialog>
#include <optional>
#include <string>

class QLineEdit;
class QPushButton;

namespace quorlex {

// "CSS Class Name:": the menu's class text.
class ClassNameDialog : public QDialog {
    Q_OBJECT
public:
    explicit ClassNameDialog(QWidget* parent = nullptr);

    // Shows the text wholly selected in the focused field; nothing when the user cancels.
    std::optional<std::string> Ask(const std::string& text);

    QLineEdit* field() const { return m_field; }
    QPushButton* helpButton() const { return m_help; }

private:
    QLineEdit* m_field;
    QPushButton* m_help;
};

} // namespace quorlex
