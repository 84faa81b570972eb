#pragma once

#include "publish/PublishTarget.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace quorlex {

// The fields of one publish target. OK hands the target to `save` and closes only when it
// was saved; otherwise the fields stay as typed.
class PublishTargetDialog : public QDialog {
    Q_OBJECT
public:
    using Save = std::function<bool(const PublishTarget&)>;

    PublishTargetDialog(const PublishTarget& target, Save save, QWidget* parent = nullptr);

    PublishTarget target() const;

    QLineEdit* nameField() const { return m_name; }
    QComboBox* protocolChoice() const { return m_protocol; }
    QLineEdit* hostField() const { return m_host; }
    QSpinBox* portField() const { return m_port; }
    QLineEdit* userField() const { return m_user; }
    QLineEdit* folderField() const { return m_folder; }
    QLineEdit* keyField() const { return m_key; }
    QPushButton* keyBrowseButton() const { return m_keyBrowse; }
    QLineEdit* certificatesField() const { return m_certificates; }
    QCheckBox* deleteRemovedBox() const { return m_deleteRemoved; }

    void accept() override;

private:
    QWidget* FileRow(QLineEdit* field, QPushButton* browse);
    void ProtocolChanged();
    void BrowseKey();
    void BrowseCertificates();

    PublishTarget m_original;
    Save m_save;
    QLineEdit* m_name;
    QComboBox* m_protocol;
    QLineEdit* m_host;
    QSpinBox* m_port;
    QLineEdit* m_user;
    QLineEdit* m_folder;
    QLineEdit* m_key;
    QPushButton* m_keyBrowse;
    QLineEdit* m_certificates;
    QPushButton* m_certificatesBrowse;
    QCheckBox* m_deleteRemoved;
};

} // namespace quorlex
