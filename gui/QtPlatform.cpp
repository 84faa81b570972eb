#include "QtPlatform.h"

#include "QtText.h"
#include "util/FolderCopy.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QUrl>

namespace quorlex {

bool QtPlatform::ShellCopy(const fs::path& from, const fs::path& to, bool silent) {
    const bool copied = CopyFileWithRename(from, to);
    if (!copied && !silent)
        QMessageBox::warning(m_window, QApplication::applicationName(),
                             QObject::tr("Cannot copy \"%1\".").arg(PathToQt(from)));
    return copied;
}

// A link is never handed to the trash, which might take what it points to.
bool QtPlatform::RecycleFolder(const fs::path& path) {
    std::error_code ec;
    return !fs::is_symlink(path, ec) && QFile::moveToTrash(PathToQt(path));
}

bool QtPlatform::CopyFolderInteractive(const fs::path& from, const fs::path& to) {
    QProgressDialog progress(QObject::tr("Copying files..."), QObject::tr("Cancel"), 0, 100, m_window);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    FolderCopyQuestions questions;
    questions.progress = [&](size_t done, size_t total) {
        progress.setMaximum(static_cast<int>(total));
        progress.setValue(static_cast<int>(done));
        return !progress.wasCanceled();
    };
    questions.askOverwrite = [&](const fs::path& target) {
        // The question belongs to the progress box, which blocks the main window: only on top of
        // it does the question take clicks and keys.
        progress.show();
        const auto answer = QMessageBox::question(
            &progress, QApplication::applicationName(),
            QObject::tr("\"%1\" already exists. Replace it?").arg(PathToQt(target)),
            QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No);
        switch (answer) {
        case QMessageBox::Yes: return OverwriteAnswer::Yes;
        case QMessageBox::YesToAll: return OverwriteAnswer::YesToAll;
        case QMessageBox::No: return OverwriteAnswer::No;
        default: return OverwriteAnswer::Cancel;
        }
    };
    return CopyFolderWithQuestions(from, to, questions);
}

bool QtPlatform::OpenWithDefaultHandler(const fs::path& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(PathToQt(path)));
}

bool QtPlatform::OpenUrl(const std::string& url) {
    return QDesktopServices::openUrl(QUrl(ToQt(url), QUrl::StrictMode));
}

fs::path QtPlatform::GetMyDocumentsFolder() {
    for (const auto location : {QStandardPaths::DocumentsLocation, QStandardPaths::HomeLocation}) {
        const QString folder = QStandardPaths::writableLocation(location);
        if (!folder.isEmpty() && QDir(folder).exists())
            return PathFromQt(folder);
    }
    return {};
}

} // namespace quorlex
