#include "SaveImageDialog.h"

#include "GuardedCall.h"
#include "QtText.h"
#include "app/Session.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quorlex {

SaveImageDialog::SaveImageDialog(Session& session, QWidget* parent) : QDialog(parent), m_session(session) {
    setObjectName(QStringLiteral("SaveImageDialog"));
    setWindowTitle(QStringLiteral("Save Image"));
    setModal(true);
    m_name = new QLineEdit;
    m_name->setObjectName(QStringLiteral("SaveAsName"));
    m_name->setMinimumWidth(280);
    m_saveButton = new QPushButton(QStringLiteral("Save"));
    m_saveButton->setObjectName(QStringLiteral("Save"));
    m_saveButton->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("Cancel"));
    cancel->setAutoDefault(false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Save As:")), 0, 0);
    layout->addWidget(m_name, 0, 1, 1, 3);
    layout->addWidget(m_saveButton, 1, 2);
    layout->addWidget(cancel, 1, 3);
    layout->setColumnStretch(1, 1);

    connect(m_saveButton, &QPushButton::clicked, this, &SaveImageDialog::Save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int SaveImageDialog::Open() {
    std::string proposal;
    GuardedCall(m_session.ui(), [&] { proposal = m_session.imagesPage().ProposedSaveName(); });
    m_name->setText(ToQt(proposal));
    m_name->setFocus();
    adjustSize();
    // The editor's own parent is a page of the main window.
    QWidget* parent = parentWidget();
    if (QWidget* main = parent && parent->parentWidget() ? parent->parentWidget()->window() : nullptr)
        move(main->geometry().center() - rect().center());
    return exec();
}

void SaveImageDialog::Save() {
    std::string name = FromQt(m_name->text());
    ImageSaveOutcome outcome = ImageSaveOutcome::Failed;
    GuardedCall(m_session.ui(), [&] { outcome = m_session.imagesPage().SaveEditedImage(name); });
    m_name->setText(ToQt(name));
    if (outcome == ImageSaveOutcome::Saved) {
        accept();
    } else if (outcome == ImageSaveOutcome::Refused) {
        m_name->selectAll();
        m_name->setFocus();
    }
}

} // namespace quorlex
