#include "PublishPanel.h"

#include "GuardedCall.h"
#include "PublishTargetDialog.h"
#include "QtText.h"
#include "app/Session.h"
#include "help/HelpTopics.h"
#include "util/FileSizeText.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorlex {

namespace {

QPushButton* NewButton(const QString& text, const char* name) {
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

PublishPanel::PublishPanel(Session& session, QWidget* parent) : QWidget(parent), m_session(session) {
    m_warning = new QLabel(ToQt(kPlainFtpWarning));
    m_warning->setObjectName(QStringLiteral("PlainFtpWarning"));
    m_warning->setWordWrap(true);
    m_warning->setStyleSheet(
        QStringLiteral("QLabel { background: #fff3cd; color: #5c4400; border: 1px solid #e0c36a; padding: 4px; }"));
    m_result = new QPlainTextEdit;
    m_result->setObjectName(QStringLiteral("PublishResult"));
    m_result->setReadOnly(true);
    m_result->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_result->setPlaceholderText(
        QStringLiteral("Check lists what a publish would send and delete; Publish sends the new and changed files."));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildTargetRow());
    layout->addWidget(m_warning);
    layout->addWidget(BuildRunRow());
    layout->addWidget(BuildProgress());
    layout->addWidget(m_result, 1);
    ShowTargets();
}

PublishPanel::~PublishPanel() {
    m_cancelled = true;
    if (m_worker.joinable())
        m_worker.join();
}

QWidget* PublishPanel::BuildTargetRow() {
    m_targets = new QComboBox;
    m_targets->setObjectName(QStringLiteral("PublishTargets"));
    m_targets->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_new = NewButton(QStringLiteral("New..."), "PublishNewTarget");
    m_edit = NewButton(QStringLiteral("Edit..."), "PublishEditTarget");
    m_delete = NewButton(QStringLiteral("Delete"), "PublishDeleteTarget");
    Ui& ui = m_session.ui();
    connect(m_targets, &QComboBox::currentIndexChanged, this, &PublishPanel::Render);
    connect(m_new, &QPushButton::clicked, this, Guarded(ui, [this] { EditTarget(PublishTarget{}, {}); }));
    connect(m_edit, &QPushButton::clicked, this, Guarded(ui, [this] {
                if (const PublishTarget* target = m_session.publishPage().Find(ChosenName()))
                    EditTarget(*target, target->name);
            }));
    connect(m_delete, &QPushButton::clicked, this, Guarded(ui, [this] { DeleteChosen(); }));

    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(QStringLiteral("&Target:"));
    label->setBuddy(m_targets);
    layout->addWidget(label);
    layout->addWidget(m_targets, 1);
    layout->addWidget(m_new);
    layout->addWidget(m_edit);
    layout->addWidget(m_delete);
    return row;
}

QWidget* PublishPanel::BuildRunRow() {
    m_check = NewButton(QStringLiteral("Check"), "PublishCheck");
    m_check->setToolTip(QStringLiteral("Lists what a publish would send and delete, and changes nothing"));
    m_publish = NewButton(QStringLiteral("Publish"), "PublishRun");
    m_cancel = NewButton(QStringLiteral("Cancel"), "PublishCancel");
    auto* help = NewButton(QStringLiteral("Help"), "PublishHelp");
    Ui& ui = m_session.ui();
    connect(m_check, &QPushButton::clicked, this, Guarded(ui, [this] { StartRun(true); }));
    connect(m_publish, &QPushButton::clicked, this, Guarded(ui, [this] { StartRun(false); }));
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_cancelled = true;
        m_file->setText(QStringLiteral("Cancelling..."));
        Render();
    });
    connect(help, &QPushButton::clicked, this, Guarded(ui, [this] { m_session.HelpRequested(helptopic::kPublish); }));

    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_check);
    layout->addWidget(m_publish);
    layout->addWidget(m_cancel);
    layout->addStretch(1);
    layout->addWidget(help);
    return row;
}

QWidget* PublishPanel::BuildProgress() {
    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("PublishProgress"));
    m_progress->setFormat(QStringLiteral("%v of %m files"));
    m_bytes = new QLabel;
    m_bytes->setObjectName(QStringLiteral("PublishBytes"));
    m_file = new QLabel;
    m_file->setObjectName(QStringLiteral("PublishFile"));
    m_file->setTextFormat(Qt::PlainText);

    m_progressRow = new QWidget;
    m_progressRow->hide();
    auto* layout = new QHBoxLayout(m_progressRow);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_progress, 2);
    layout->addWidget(m_bytes);
    layout->addWidget(m_file, 3);
    return m_progressRow;
}

std::string PublishPanel::ChosenName() const { return FromQt(m_targets->currentText()); }

void PublishPanel::ShowTargets() {
    const QString chosen = m_targets->currentText();
    const QSignalBlocker quiet(m_targets);
    m_targets->clear();
    for (const PublishTarget& target : m_session.publishPage().targets())
        m_targets->addItem(ToQt(target.name));
    const int kept = m_targets->findText(chosen);
    m_targets->setCurrentIndex(kept >= 0 ? kept : 0);
    Render();
}

void PublishPanel::EditTarget(const PublishTarget& target, const std::string& replacing) {
    PublishTargetDialog dialog(
        target,
        [this, replacing](const PublishTarget& edited) {
            bool saved = false;
            GuardedCall(m_session.ui(), [&] { saved = m_session.publishPage().SaveTarget(edited, replacing); });
            return saved;
        },
        this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ShowTargets();
    m_targets->setCurrentIndex(m_targets->findText(ToQt(dialog.target().name)));
}

void PublishPanel::DeleteChosen() {
    const std::string name = ChosenName();
    if (!name.empty() && m_session.publishPage().DeleteTarget(name))
        ShowTargets();
}

void PublishPanel::Render() {
    const bool idle = !running();
    const PublishTarget* target = m_session.publishPage().Find(ChosenName());
    m_targets->setEnabled(idle);
    m_new->setEnabled(idle);
    for (QPushButton* button : {m_edit, m_delete, m_check, m_publish})
        button->setEnabled(idle && target);
    m_cancel->setEnabled(!idle && !m_cancelled);
    m_warning->setVisible(target && target->protocol == PublishProtocol::Ftp);
}

void PublishPanel::StartRun(bool dryRun) {
    if (running())
        return;
    std::optional<PublishJob> job = m_session.PreparePublish(ChosenName(), dryRun);
    if (!job)
        return;
    m_result->clear();
    m_cancelled = false;
    Run(std::move(*job));
}

// The run goes on away from the window; its end comes back to the window's thread.
void PublishPanel::Run(PublishJob job) {
    m_progressRow->show();
    m_progress->setRange(0, 0);
    m_bytes->clear();
    m_file->setText(QStringLiteral("Connecting to %1...").arg(ToQt(job.access.target.host)));
    m_worker = std::thread([this, job = std::move(job)] {
        PublishOutcome outcome = RunPublishJob(job, *this);
        QMetaObject::invokeMethod(
            this, [this, job, outcome] { RunEnded(job, outcome); }, Qt::QueuedConnection);
    });
    Render();
}

// Back on the window's thread: a host key accepted or a password typed again runs once more.
void PublishPanel::RunEnded(PublishJob job, const PublishOutcome& outcome) {
    m_worker.join();
    bool again = false;
    GuardedCall(m_session.ui(), [&] {
        std::optional<PublishJob> next = m_session.publishPage().Finish(std::move(job), outcome);
        if (next && !m_cancelled) {
            Run(std::move(*next));
            again = true;
        }
    });
    if (again)
        return;
    // A run that sent nothing leaves no progress to show.
    m_progressRow->setVisible(m_progress->maximum() > 0);
    m_file->clear();
    m_result->setPlainText(ToQt(outcome.text));
    Render();
    emit runEnded();
}

// Worker thread: the newest report is kept, and the window is told once until it has shown it.
bool PublishPanel::Progress(const PublishProgress& progress) {
    bool post = false;
    {
        const std::lock_guard<std::mutex> lock(m_progressLock);
        m_latest = progress;
        post = !m_progressPosted;
        m_progressPosted = true;
    }
    if (post)
        QMetaObject::invokeMethod(this, &PublishPanel::ShowProgress, Qt::QueuedConnection);
    if (m_hook)
        m_hook(progress);
    return !m_cancelled;
}

void PublishPanel::ShowProgress() {
    PublishProgress progress;
    {
        const std::lock_guard<std::mutex> lock(m_progressLock);
        progress = m_latest;
        m_progressPosted = false;
    }
    if (progress.filesTotal == 0)
        return;
    m_progress->setRange(0, static_cast<int>(progress.filesTotal));
    m_progress->setValue(static_cast<int>(progress.filesDone));
    m_bytes->setText(ToQt(FileSizeText(progress.bytesDone) + " of " + FileSizeText(progress.bytesTotal)));
    if (!m_cancelled)
        m_file->setText(progress.file.empty() ? QString() : QStringLiteral("Sending %1").arg(ToQt(progress.file)));
}

} // namespace quorlex
