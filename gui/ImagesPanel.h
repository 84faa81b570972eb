#pragma once

#include "customize/ImagesPage.h"

#include <QWidget>
#include <filesystem>
#include <optional>

class QLabel;
class QListWidget;
class QPushButton;

namespace quorlex {

class ImageBrowserDialog;
class ImageEditorWindow;
class PresetPanel;
class Session;

// "Images:": the image variables, the files of the selected one's folder with the buttons that
// manage them (pictures dropped from the file manager are added), the chosen picture small with
// its sizes, the image presets, and the editor and browser windows they open.
class ImagesPanel : public QWidget {
    Q_OBJECT
public:
    explicit ImagesPanel(Session& session, QWidget* parent = nullptr);

    // A package was loaded: titles and presets again.
    void Reload(const QStringList& titles);
    // Shows the page's state.
    void Render();

    QListWidget* titleList() const { return m_titles; }
    QListWidget* fileList() const { return m_files; }
    PresetPanel* presetPanel() const { return m_presets; }
    QPushButton* button(const QString& name) const;
    ImageEditorWindow* editorWindow() const { return m_editor; }
    ImageBrowserDialog* browserDialog() const { return m_browser; }
    QLabel* thumbnail() const { return m_thumbnail; }
    QLabel* thumbnailSummary() const { return m_summary; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildFileColumn();
    QWidget* BuildThumbnail();
    void ShowThumbnail();
    bool DropFiles(QEvent* event);
    void OfferRestore(QPushButton* button, const QPoint& at);
    QPushButton* AddButton(const QString& caption, const QString& name, void (ImagesPanel::*action)());
    void Act(void (ImagesPage::*action)());
    void OpenBrowser();
    void Tweak();
    void Add() { Act(&ImagesPage::Add); }
    void Delete() { Act(&ImagesPage::Delete); }
    void Export() { Act(&ImagesPage::Export); }
    void Restore() { Act(&ImagesPage::RestoreDefaults); }

    Session& m_session;
    ImagesPage& m_page;
    QListWidget* m_titles;
    QListWidget* m_files;
    PresetPanel* m_presets;
    ImageEditorWindow* m_editor;
    ImageBrowserDialog* m_browser;
    struct ShownPicture {
        std::filesystem::path file;
        std::filesystem::file_time_type changed;
        bool operator==(const ShownPicture& other) const { return file == other.file && changed == other.changed; }
    };
    std::optional<ShownPicture> m_shownPicture;
    QLabel* m_thumbnail = nullptr;
    QLabel* m_summary = nullptr;
};

} // namespace quorlex
