#include "SaveImageDialog.h"

#include "GuardedCall.h"
#include "QtText.h"
#include "app/Session.h"
#include "imagetools/JpegSize.h"
#include "imagetools/SaveName.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace quorlex {

namespace {

constexpr int kEstimateDelayMs = 120;

} // namespace

SaveImageDialog::SaveImageDialog(Session& session, QWidget* parent) : QDialog(parent), m_session(session) {
    setObjectName(QStringLiteral("SaveImageDialog"));
    setWindowTitle(QStringLiteral("Save Image"));
    setModal(true);
    m_name = new QLineEdit;
    m_name->setObjectName(QStringLiteral("SaveAsName"));
    m_name->setMinimumWidth(280);
    m_notice = new QLabel;
    m_notice->setObjectName(QStringLiteral("SaveAsNotice"));
    m_notice->setWordWrap(true);
    m_size = new QLabel;
    m_size->setObjectName(QStringLiteral("FileSize"));
    m_saveButton = new QPushButton(QStringLiteral("Save"));
    m_saveButton->setObjectName(QStringLiteral("Save"));
    m_saveButton->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("Cancel"));
    cancel->setAutoDefault(false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Save As:")), 0, 0);
    layout->addWidget(m_name, 0, 1, 1, 3);
    layout->addWidget(m_notice, 1, 1, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("Quality:")), 2, 0);
    layout->addLayout(BuildQualityRow(), 2, 1, 1, 3);
    layout->addWidget(m_size, 3, 1, 1, 3);
    layout->addWidget(m_saveButton, 4, 2);
    layout->addWidget(cancel, 4, 3);
    layout->setColumnStretch(1, 1);

    m_estimate.setSingleShot(true);
    m_estimate.setInterval(kEstimateDelayMs);
    connect(&m_estimate, &QTimer::timeout, this, &SaveImageDialog::Estimate);
    connect(m_name, &QLineEdit::textChanged, this,
            [this](const QString& typed) { m_notice->setText(ToQt(SaveAsNotice(FromQt(typed)))); });
    connect(m_saveButton, &QPushButton::clicked, this, &SaveImageDialog::Save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QLayout* SaveImageDialog::BuildQualityRow() {
    m_quality = new QSpinBox;
    m_quality->setObjectName(QStringLiteral("Quality"));
    m_quality->setRange(1, kBestJpegQuality);
    m_quality->setValue(kBestJpegQuality);
    auto* best = new QPushButton(QStringLiteral("Best (%1)").arg(kBestJpegQuality));
    best->setObjectName(QStringLiteral("BestQuality"));
    auto* smaller = new QPushButton(QStringLiteral("Smaller file (%1)").arg(kSmallerJpegQuality));
    smaller->setObjectName(QStringLiteral("SmallerFile"));
    for (QPushButton* button : {best, smaller})
        button->setAutoDefault(false);
    connect(best, &QPushButton::clicked, this, [this] { m_quality->setValue(kBestJpegQuality); });
    connect(smaller, &QPushButton::clicked, this, [this] { m_quality->setValue(kSmallerJpegQuality); });
    connect(m_quality, &QSpinBox::valueChanged, this, &SaveImageDialog::QualityChanged);
    auto* row = new QHBoxLayout;
    row->addWidget(m_quality);
    row->addWidget(best);
    row->addWidget(smaller);
    row->addStretch();
    return row;
}

int SaveImageDialog::Open() {
    std::string proposal;
    GuardedCall(m_session.ui(), [&] { proposal = m_session.imagesPage().ProposedSaveName(); });
    m_name->setText(ToQt(proposal));
    m_name->setFocus();
    {
        const QSignalBlocker blocker(m_quality);
        m_quality->setValue(m_session.imagesPage().editor().saveQuality());
    }
    m_size->setText(QStringLiteral("File size: ..."));
    m_estimate.start();
    adjustSize();
    // The editor's own parent is a page of the main window.
    QWidget* parent = parentWidget();
    if (QWidget* main = parent && parent->parentWidget() ? parent->parentWidget()->window() : nullptr)
        move(main->geometry().center() - rect().center());
    const int result = exec();
    m_estimate.stop();
    return result;
}

void SaveImageDialog::QualityChanged(int quality) {
    GuardedCall(m_session.ui(), [&] { m_session.imagesPage().editor().SetSaveQuality(quality); });
    m_estimate.start();
}

void SaveImageDialog::Estimate() {
    const ImageEditor& editor = m_session.imagesPage().editor();
    std::string text;
    GuardedCall(m_session.ui(),
                [&] { text = JpegSizeText(EstimateJpegSize(editor.adjusted(), editor.saveQuality())); });
    m_size->setText(ToQt(text));
    emit sizeEstimated();
}

void SaveImageDialog::Save() {
    std::string name;
    GuardedCall(m_session.ui(), [&] { name = SavedImageName(FromQt(m_name->text())); });
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
