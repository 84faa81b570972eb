#include "QtUi.h"

#include "QtText.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

namespace quorlex {

void QtUi::Inform(const std::string& text) {
    QMessageBox::information(m_window, QApplication::applicationName(), ToQt(text));
}

void QtUi::ShowError(const std::string& text) {
    QMessageBox::critical(m_window, QApplication::applicationName(), ToQt(text));
}

Answer QtUi::Confirm(const std::string& question) {
    const auto button = QMessageBox::question(m_window, QApplication::applicationName(), ToQt(question),
                                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (button == QMessageBox::Yes)
        return Answer::Yes;
    return button == QMessageBox::No ? Answer::No : Answer::Cancel;
}

// Yes/No questions ask before deleting or overwriting, so Enter answers No.
Answer QtUi::AskYesNo(const std::string& question) {
    const auto button = QMessageBox::question(m_window, QApplication::applicationName(), ToQt(question),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return button == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

// The preview follows the dialog's current color; a drag that moves it many times between two
// frames previews only the last one.
std::optional<Color> QtUi::ChooseColor(Color initial, const std::function<void(Color)>& preview) {
    QColorDialog dialog(QColor(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF), m_window);
    dialog.setObjectName(QStringLiteral("ColorChooser"));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    QColor pointed;
    QTimer pending;
    pending.setSingleShot(true);
    pending.setInterval(0);
    QObject::connect(&pending, &QTimer::timeout, &dialog,
                     [&] { preview(RgbColor(pointed.red(), pointed.green(), pointed.blue())); });
    QObject::connect(&dialog, &QColorDialog::currentColorChanged, &dialog, [&](const QColor& color) {
        pointed = color;
        pending.start();
    });
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QColor chosen = dialog.selectedColor();
    return RgbColor(chosen.red(), chosen.green(), chosen.blue());
}

std::optional<std::filesystem::path> QtUi::AskSaveFile(const SaveFileRequest& request) {
    QFileDialog dialog(m_window, ToQt(request.title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const auto& filter : request.filters)
        filters << ToQt(filter);
    dialog.setNameFilters(filters);
    dialog.selectFile(ToQt(request.proposedName));
    dialog.setDefaultSuffix(ToQt(request.defaultSuffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return PathFromQt(dialog.selectedFiles().first());
}

std::optional<std::filesystem::path> QtUi::AskOpenFile(const OpenFileRequest& request) {
    QFileDialog dialog(m_window, ToQt(request.title));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    QStringList filters;
    for (const auto& filter : request.filters)
        filters << ToQt(filter);
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return PathFromQt(dialog.selectedFiles().first());
}

} // namespace quorlex
