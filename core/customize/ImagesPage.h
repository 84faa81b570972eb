#pragma once

#include "customize/PresetStore.h"
#include "imagetools/ImageBrowser.h"
#include "imagetools/ImageEditor.h"
#include "pagebase/PresetPage.h"
#include "pagebase/TablePage.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quorlex {

namespace fs = std::filesystem;
class Platform;

// How the save-image dialog goes on after "Save".
enum class ImageSaveOutcome {
    Saved,     // written and chosen: the dialog and the editor close
    Refused,   // the name cannot be used: the name field is selected for retyping
    Failed,    // not written: the dialog stays open
    NotListed, // written but not found in the file list: both windows stay open
};

// "Images:": the selected image variable, the files of its folder, the image files themselves
// (add, delete, export, restore from the backup), the JPEG editor, the save-image dialog, the
// image browser and the image presets.
class ImagesPage : public TablePage<ImageVariable>, public PresetPage {
public:
    ImagesPage(PageContext& context, Platform& platform);

    const std::vector<std::string>& files() const { return m_files; }
    std::optional<size_t> selectedFile() const { return m_selectedFile; }
    // The selected file of the list inside the package, to show beside it; nothing without one.
    std::optional<fs::path> SelectedFilePath() const;
    PresetStore& presets() { return m_presets; }
    ImageEditor& editor() { return m_editor; }
    ImageBrowser& browser() { return m_browser; }

    // A click on the title list; without a row nothing changes.
    void onImageSelected(std::optional<size_t> row) {
        if (SelectRow(row))
            ShowSelectedRow();
    }
    // The file list of a row: its folder's entries in order without "Thumbs.db", its url always
    // listed and selected.
    void lvImagesSelectItem(size_t row);
    void ShowSelectedRow() override;
    // A click on the file list: the row's file, then the rebuild.
    void FileClicked(size_t index);

    // "Select" or a double-click on a title: refills the file list and points the browser at the
    // row's folder, showing the files of the given extensions. False when there is nothing to show.
    bool OpenBrowser(const std::vector<std::string>& extensions);
    // OK or a double-click in the browser: its selected file becomes the row's file.
    void BrowserPicked();

    // "Tweak": the row's file becomes the file list's selection and the editor's image. True
    // when the editor should open (a JPEG file).
    bool Tweak();
    // Opening the editor and "Revert Changes": false when the file could not be read.
    bool LoadEditorImage();

    // The save-image dialog: the name it proposes when it opens, and "Save" with the typed
    // name, which is rewritten by the name rules as the field should show it.
    std::string ProposedSaveName();
    ImageSaveOutcome SaveEditedImage(std::string& name);

    // "add": the chosen files are copied into the row's folder, asking before one replaces a
    // file; files dropped on the list arrive the same way. Files that are not pictures are
    // named and left out.
    void Add();
    void AddFiles(const std::vector<fs::path>& files);
    void Delete();
    void Export();
    // "defaults": the template's images back from the backup folder.
    void RestoreDefaults();

    // The help pages of the page's two "Help" buttons, the editor's and the browser's.
    void TweakHelp();
    void DeleteImageHelp();
    void EditorHelp();
    void BrowserHelp();

    // No row, no files.
    void Reset();

    void AfterPresetApply() override;
    void PresetTableReloaded() override { Reset(); }

private:
    const std::string* SelectedFileName() const;
    // The row's image folder inside the package; a folder leading outside is reported.
    std::optional<fs::path> FolderOf(const ImageVariable& row);
    void SelectFileNamed(const std::string& name);
    void CopyReplacing(const fs::path& from, const fs::path& to, bool replace);
    // The given rows take their template default back.
    void ForgetDeletedFile(const std::vector<size_t>& rows);
    std::vector<size_t> RowsUsing(const fs::path& file);
    bool RestoreFromBackup(const fs::path& backup, const fs::path& root, bool keepCustom);

    Platform& m_platform;
    PresetStore m_presets;
    ImageEditor m_editor;
    ImageBrowser m_browser;
    std::vector<std::string> m_files;
    std::optional<size_t> m_selectedFile;
};

} // namespace quorlex
