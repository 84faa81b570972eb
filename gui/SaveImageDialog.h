#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace quorlex {

class Session;

// "Save Image": names the edited image's new file beside the original and makes it the image
// variable's file. It says the name the file gets and, for the chosen JPEG quality, the file's
// size. Created once; the proposal is made again at every opening.
class SaveImageDialog : public QDialog {
    Q_OBJECT
public:
    SaveImageDialog(Session& session, QWidget* parent = nullptr);

    // Proposes a name and shows the dialog modally, centred over the main window.
    int Open();

    QLineEdit* nameField() const { return m_name; }
    QPushButton* saveButton() const { return m_saveButton; }
    QLabel* notice() const { return m_notice; }
    QSpinBox* qualityBox() const { return m_quality; }
    QLabel* sizeLabel() const { return m_size; }

signals:
    // The size line shows the current quality's estimate.
    void sizeEstimated();

private:
    QLayout* BuildQualityRow();
    void Save();
    void QualityChanged(int quality);
    void Estimate();

    Session& m_session;
    QLineEdit* m_name;
    QLabel* m_notice;
    QSpinBox* m_quality;
    QLabel* m_size;
    QPushButton* m_saveButton;
    // The size is measured once the quality has stopped changing for a moment.
    QTimer m_estimate;
};

} // namespace quorlex
