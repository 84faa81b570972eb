#pragma once

#include "output/Export.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QListView;
class QListWidget;
class QPushButton;
class QTreeView;

namespace quorlex {

class Session;

// "Export (Save) Template Files:": the generated file list with the template options, and the
// folder browser that picks the export target.
class ExportPage : public QWidget, public ExportView {
    Q_OBJECT
public:
    ExportPage(Session& session, const std::function<void()>& splashStep, QWidget* parent = nullptr);

    // The file list and options after a generation run.
    void ShowGeneration();
    // Makes a folder the browser's current folder; the target field follows.
    void SetCurrentFolder(const QString& folder);

    QString targetText() const;
    QListWidget* fileList() const { return m_generated; }
    QCheckBox* dreamweaverBox() const { return m_dreamweaver; }
    QCheckBox* expressionWebBox() const { return m_expressionWeb; }
    QLineEdit* newFolderField() const { return m_newFolder; }
    QTreeView* folderList() const { return m_folders; }

    void ExportTemplate();
    void CreateFolder();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    void SetBrowserVisible(bool visible) override;
    void ShowFolder(const fs::path& folder) override;

private:
    QWidget* BuildFilesGroup();
    QWidget* BuildTargetGroup(const std::function<void()>& splashStep);
    QWidget* BuildBrowser(const std::function<void()>& splashStep);
    QWidget* BuildTargetBar();
    void OptionsChanged();

    Session& m_session;
    QListWidget* m_generated = nullptr;
    QCheckBox* m_dreamweaver = nullptr;
    QCheckBox* m_expressionWeb = nullptr;
    QComboBox* m_drives = nullptr;
    QTreeView* m_folders = nullptr;
    QListView* m_files = nullptr;
    QFileSystemModel* m_folderModel = nullptr;
    QFileSystemModel* m_fileModel = nullptr;
    QLineEdit* m_newFolder = nullptr;
    QLineEdit* m_target = nullptr;
    QString m_current;
};

} // namespace quorlex
