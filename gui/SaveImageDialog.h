#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace quorlex {

class Session;

// "Save Image": names the edited image's new file beside the original and makes it the image
// variable's file. Created once; the proposal is made again at every opening.
class SaveImageDialog : public QDialog {
    Q_OBJECT
public:
    SaveImageDialog(Session& session, QWidget* parent = nullptr);

    // Proposes a name and shows the dialog modally, centred over the main window.
    int Open();

    QLineEdit* nameField() const { return m_name; }
    QPushButton* saveButton() const { return m_saveButton; }

private:
    void Save();

    Session& m_session;
    QLineEdit* m_name;
    QPushButton* m_saveButton;
};

} // namespace quorlex
