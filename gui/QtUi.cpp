#include "QtUi.h"

#include "QtColor.h"
#include "QtText.h"
#include "app/ToolPlacement.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

namespace quorlex {

void QtUi::Inform(const std::string& text) {
    QMessageBox::information(m_window, QApplication::applicationName(), ToQt(text));
}

void QtUi::ShowError(const std::string& text) {
    QMessageBox::critical(m_window, QApplication::applicationName(), ToQt(text));
}

namespace {

Answer AnswerOf(QMessageBox::StandardButton button) {
    if (button == QMessageBox::Yes)
        return Answer::Yes;
    return button == QMessageBox::No ? Answer::No : Answer::Cancel;
}

} // namespace

Answer QtUi::Confirm(const std::string& question) {
    return AnswerOf(QMessageBox::question(m_window, QApplication::applicationName(), ToQt(question),
                                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel));
}

Answer QtUi::ConfirmLoss(const std::string& question) {
    return AnswerOf(QMessageBox::question(m_window, QApplication::applicationName(), ToQt(question),
                                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No));
}

// Yes/No questions ask before deleting or overwriting, so Enter answers No.
Answer QtUi::AskYesNo(const std::string& question) {
    const auto button = QMessageBox::question(m_window, QApplication::applicationName(), ToQt(question),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return button == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

// Typed without being shown; OK on an empty field gives an empty secret.
std::optional<std::string> QtUi::AskSecret(const std::string& prompt) {
    QInputDialog dialog(m_window);
    dialog.setObjectName(QStringLiteral("SecretPrompt"));
    dialog.setWindowTitle(QApplication::applicationName());
    dialog.setLabelText(ToQt(prompt));
    dialog.setTextEchoMode(QLineEdit::Password);
    dialog.setInputMethodHints(Qt::ImhSensitiveData | Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return FromQt(dialog.textValue());
}

// The preview follows the dialog's current color; a drag that moves it many times between two
// frames previews only the last one. The recently chosen colors fill the custom color slots.
std::optional<Color> QtUi::ChooseColor(Color initial, const std::function<void(Color)>& preview) {
    const std::vector<Color>& recent = m_recentColors.entries();
    for (size_t slot = 0; slot < kRecentColorCount; ++slot)
        QColorDialog::setCustomColor(static_cast<int>(slot),
                                     slot < recent.size() ? ToQColor(recent[slot]) : QColor(Qt::white));
    QColorDialog dialog(ToQColor(initial), m_window);
    dialog.setObjectName(QStringLiteral("ColorChooser"));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    QColor pointed;
    QTimer pending;
    pending.setSingleShot(true);
    pending.setInterval(0);
    QObject::connect(&pending, &QTimer::timeout, &dialog, [&] { preview(FromQColor(pointed)); });
    QObject::connect(&dialog, &QColorDialog::currentColorChanged, &dialog, [&](const QColor& color) {
        pointed = color;
        pending.start();
    });
    PlaceBesidePreview(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const Color color = FromQColor(dialog.selectedColor());
    m_recentColors.Add(color);
    return color;
}

// Beside the live preview of the window, so that the colors pointed at can be seen.
void QtUi::PlaceBesidePreview(QWidget& dialog) const {
    const auto* view = m_window ? m_window->findChild<QWidget*>(QStringLiteral("WebBrowser1")) : nullptr;
    if (!view || !view->isVisible() || !m_window->screen())
        return;
    const QRect screen = m_window->screen()->availableGeometry();
    const QPoint origin = view->mapToGlobal(QPoint(0, 0));
    const QSize size = dialog.sizeHint();
    const ScreenBox box = quorlex::PlaceBesidePreview({screen.x(), screen.y(), screen.width(), screen.height()},
                                                      {origin.x(), origin.y(), view->width(), view->height()},
                                                      size.width(), size.height());
    dialog.move(box.x, box.y);
}

namespace {

QStringList Filters(const std::vector<std::string>& filters) {
    QStringList names;
    for (const auto& filter : filters)
        names << ToQt(filter);
    return names;
}

std::filesystem::path StandardFolder(QStandardPaths::StandardLocation location) {
    return PathFromQt(QStandardPaths::writableLocation(location));
}

} // namespace

QtUi::QtUi()
    : m_folders(StandardFolder(QStandardPaths::DocumentsLocation), StandardFolder(QStandardPaths::HomeLocation)) {}

void QtUi::RestoreSettings(const QSettings& settings) {
    std::map<std::string, std::filesystem::path> folders;
    const QVariantMap kept = settings.value(QStringLiteral("dialogs/folders")).toMap();
    for (auto it = kept.begin(); it != kept.end(); ++it)
        folders[it.key().toStdString()] = it.value().toByteArray().toStdString();
    m_folders.Restore(folders);
    const QVariantList colors = settings.value(QStringLiteral("dialogs/recentColors")).toList();
    for (auto it = colors.rbegin(); it != colors.rend(); ++it)
        m_recentColors.Add(it->toUInt() & 0xFFFFFFu);
}

void QtUi::SaveSettings(QSettings& settings) const {
    QVariantMap kept;
    for (const auto& [kind, folder] : m_folders.Saved())
        kept[QString::fromStdString(kind)] = QByteArray::fromStdString(folder.native());
    settings.setValue(QStringLiteral("dialogs/folders"), kept);
    QVariantList colors;
    for (const Color color : m_recentColors.entries())
        colors << color;
    settings.setValue(QStringLiteral("dialogs/recentColors"), colors);
}

std::optional<std::filesystem::path> QtUi::AskSaveFile(const SaveFileRequest& request) {
    QFileDialog dialog(m_window, ToQt(request.title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(Filters(request.filters));
    if (request.selectedFilter < request.filters.size())
        dialog.selectNameFilter(ToQt(request.filters[request.selectedFilter]));
    dialog.setDirectory(PathToQt(m_folders.StartFolder(request.kind)));
    dialog.selectFile(ToQt(request.proposedName));
    dialog.setDefaultSuffix(ToQt(request.defaultSuffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const std::filesystem::path file = PathFromQt(dialog.selectedFiles().first());
    m_folders.Used(request.kind, file);
    return file;
}

std::optional<std::filesystem::path> QtUi::AskOpenFile(const OpenFileRequest& request) {
    std::vector<std::filesystem::path> files = AskOpen(request, false);
    if (files.empty())
        return std::nullopt;
    return files.front();
}

std::vector<std::filesystem::path> QtUi::AskOpenFiles(const OpenFileRequest& request) { return AskOpen(request, true); }

std::vector<std::filesystem::path> QtUi::AskOpen(const OpenFileRequest& request, bool several) {
    QFileDialog dialog(m_window, ToQt(request.title));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(several ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    dialog.setNameFilters(Filters(request.filters));
    dialog.setDirectory(PathToQt(m_folders.StartFolder(request.kind)));
    std::vector<std::filesystem::path> files;
    if (dialog.exec() != QDialog::Accepted)
        return files;
    for (const QString& name : dialog.selectedFiles())
        files.push_back(PathFromQt(name));
    if (!files.empty())
        m_folders.Used(request.kind, files.front());
    return files;
}

} // namespace quorlex
