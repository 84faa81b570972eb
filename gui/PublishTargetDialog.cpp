#include "PublishTargetDialog.h"

#include "QtText.h"
#include "publish/SshKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace quorlex {

namespace {

constexpr PublishProtocol kProtocols[] = {PublishProtocol::Sftp, PublishProtocol::Ftps, PublishProtocol::Ftp};

QLineEdit* NewField(const char* name, const std::string& text) {
    auto* field = new QLineEdit(ToQt(text));
    field->setObjectName(QString::fromLatin1(name));
    return field;
}

// A file chosen in a file window that opens in `folder`, or nothing.
std::optional<fs::path> ChooseFile(QWidget* parent, const QString& title, const fs::path& folder) {
    QFileDialog dialog(parent, title, PathToQt(folder));
    dialog.setObjectName(QStringLiteral("PublishFileDialog"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setFilter(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return PathFromQt(dialog.selectedFiles().first());
}

} // namespace

PublishTargetDialog::PublishTargetDialog(const PublishTarget& target, Save save, QWidget* parent)
    : QDialog(parent), m_original(target), m_save(std::move(save)) {
    setObjectName(QStringLiteral("PublishTargetDialog"));
    setWindowTitle(target.name.empty() ? QStringLiteral("New publish target")
                                       : QStringLiteral("Publish target \"%1\"").arg(ToQt(target.name)));
    m_name = NewField("TargetName", target.name);
    m_protocol = new QComboBox;
    m_protocol->setObjectName(QStringLiteral("TargetProtocol"));
    for (const PublishProtocol protocol : kProtocols)
        m_protocol->addItem(ToQt(ProtocolName(protocol)));
    m_protocol->setCurrentText(ToQt(ProtocolName(target.protocol)));
    m_host = NewField("TargetHost", target.host);
    m_port = new QSpinBox;
    m_port->setObjectName(QStringLiteral("TargetPort"));
    m_port->setRange(0, 65535);
    m_port->setValue(target.port);
    m_user = NewField("TargetUser", target.user);
    m_folder = NewField("TargetFolder", target.remoteFolder);
    m_folder->setPlaceholderText(QStringLiteral("for example public_html or /var/www/site"));
    m_key = new QLineEdit(PathToQt(target.keyFile));
    m_key->setObjectName(QStringLiteral("TargetKeyFile"));
    m_key->setPlaceholderText(QStringLiteral("none: log in with the password"));
    m_keyBrowse = new QPushButton(QStringLiteral("Browse..."));
    m_keyBrowse->setObjectName(QStringLiteral("TargetKeyBrowse"));
    m_certificates = new QLineEdit(PathToQt(target.caFile));
    m_certificates->setObjectName(QStringLiteral("TargetCertificates"));
    m_certificates->setPlaceholderText(QStringLiteral("none: the system's certificates"));
    m_certificatesBrowse = new QPushButton(QStringLiteral("Browse..."));
    m_deleteRemoved = new QCheckBox(QStringLiteral("Delete files on the server that the site no longer has"));
    m_deleteRemoved->setObjectName(QStringLiteral("TargetDeleteRemoved"));
    m_deleteRemoved->setChecked(target.deleteRemoved);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Name:"), m_name);
    form->addRow(QStringLiteral("P&rotocol:"), m_protocol);
    form->addRow(QStringLiteral("&Host:"), m_host);
    form->addRow(QStringLiteral("&Port:"), m_port);
    form->addRow(QStringLiteral("&User:"), m_user);
    form->addRow(QStringLiteral("Remote &folder:"), m_folder);
    form->addRow(QStringLiteral("&Key file (SFTP):"), FileRow(m_key, m_keyBrowse));
    form->addRow(QStringLiteral("&Certificates (FTPS):"), FileRow(m_certificates, m_certificatesBrowse));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_deleteRemoved);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &PublishTargetDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PublishTargetDialog::reject);
    connect(m_protocol, &QComboBox::currentIndexChanged, this, &PublishTargetDialog::ProtocolChanged);
    connect(m_keyBrowse, &QPushButton::clicked, this, &PublishTargetDialog::BrowseKey);
    connect(m_certificatesBrowse, &QPushButton::clicked, this, &PublishTargetDialog::BrowseCertificates);
    ProtocolChanged();
    resize(520, sizeHint().height());
}

QWidget* PublishTargetDialog::FileRow(QLineEdit* field, QPushButton* browse) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(field, 1);
    layout->addWidget(browse);
    return row;
}

PublishTarget PublishTargetDialog::target() const {
    PublishTarget target = m_original;
    target.name = FromQt(m_name->text().trimmed());
    target.protocol = kProtocols[std::max(0, m_protocol->currentIndex())];
    target.host = FromQt(m_host->text().trimmed());
    target.port = m_port->value();
    target.user = FromQt(m_user->text());
    target.remoteFolder = FromQt(m_folder->text().trimmed());
    target.keyFile = target.protocol == PublishProtocol::Sftp ? PathFromQt(m_key->text().trimmed()) : fs::path();
    target.caFile =
        target.protocol == PublishProtocol::Ftps ? PathFromQt(m_certificates->text().trimmed()) : fs::path();
    target.deleteRemoved = m_deleteRemoved->isChecked();
    return target;
}

void PublishTargetDialog::accept() {
    if (m_save(target()))
        QDialog::accept();
}

// The port's default follows the protocol; each file field is there only for its protocol.
void PublishTargetDialog::ProtocolChanged() {
    const PublishProtocol protocol = kProtocols[std::max(0, m_protocol->currentIndex())];
    m_port->setSpecialValueText(QStringLiteral("default (%1)").arg(DefaultPort(protocol)));
    const bool sftp = protocol == PublishProtocol::Sftp;
    const bool ftps = protocol == PublishProtocol::Ftps;
    m_key->setEnabled(sftp);
    m_keyBrowse->setEnabled(sftp);
    m_certificates->setEnabled(ftps);
    m_certificatesBrowse->setEnabled(ftps);
}

void PublishTargetDialog::BrowseKey() {
    if (const auto key = ChooseFile(this, QStringLiteral("Private key"), UserSshFolder()))
        m_key->setText(PathToQt(*key));
}

void PublishTargetDialog::BrowseCertificates() {
    const fs::path current = PathFromQt(m_certificates->text());
    if (const auto file = ChooseFile(this, QStringLiteral("Certificates to trust"), current.parent_path()))
        m_certificates->setText(PathToQt(*file));
}

} // namespace quorlex
