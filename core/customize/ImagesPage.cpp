#include "customize/ImagesPage.h"

#include "customize/ChoiceOrder.h"
#include "help/HelpTopics.h"
#include "imagetools/ImageNames.h"
#include "imagetools/JpegCodec.h"
#include "pagebase/CustomizationStep.h"
#include "pagebase/PageAction.h"
#include "pagebase/PageContext.h"
#include "ports/Platform.h"
#include "ports/ShellCopy.h"
#include "ports/Ui.h"
#include "util/Error.h"
#include "util/FileLists.h"
#include "util/FolderCopy.h"
#include "util/NativeNames.h"
#include "util/TextFile.h"
#include "workspace/TemplateWorkspace.h"

#include <algorithm>

namespace quorlex {

namespace {

constexpr const char* kOverwrite = "Image with that name already exists. Overwrite?";
constexpr const char* kNotPictures =
    "Only pictures a page can show (.jpg .jpeg .png .gif .webp .svg) are added. Not added:";
constexpr const char* kDefaultImage = "Cannot delete default image. Operation aborted.";
constexpr const char* kCannotDelete = "Error: Cannot delete image file.";
constexpr const char* kBackupMissing = "Images Backup Doesn't Exist! Operation aborted.";
constexpr const char* kRestoreQuestion =
    "Do you really want to restore all the default images (this will restore the original images for this "
    "template)?";
constexpr const char* kKeepQuestion =
    "Do you want to keep your custom (modified) images? (If you click \"No\" all custom (modified) images will "
    "be deleted!)";
constexpr const char* kComplete = "Operation Complete.";
constexpr const char* kRestoreFailed =
    "Unknown error: cannot restore images from backup. You may need to reinstall Tamblor";

// Only the files a page can show as a picture: no folders, no notes.
bool IsListedEntry(const fs::path& folder, const std::string& name) {
    std::error_code ec;
    return IsPictureName(name) && fs::is_regular_file(folder / NativeNameFromPackageText(name), ec);
}

} // namespace

ImagesPage::ImagesPage(PageContext& context, Platform& platform)
    : TablePage(context, &VariableTables::images), m_platform(platform), m_presets(context, PresetKind::Images, this) {}

const std::string* ImagesPage::SelectedFileName() const {
    return m_selectedFile && *m_selectedFile < m_files.size() ? &m_files[*m_selectedFile] : nullptr;
}

std::optional<fs::path> ImagesPage::SelectedFilePath() const {
    const ImageVariable* row = SelectedRow();
    const std::string* name = SelectedFileName();
    if (!row || !name)
        return std::nullopt;
    return m_context.workspace()->PackageFileIfInside(row->folder + *name);
}

std::optional<fs::path> ImagesPage::FolderOf(const ImageVariable& row) {
    try {
        return m_context.workspace()->PackageFile(row.folder);
    } catch (const Error& error) {
        m_context.ui().ShowError(error.what());
        return std::nullopt;
    }
}

void ImagesPage::ShowSelectedRow() {
    if (m_selected)
        lvImagesSelectItem(*m_selected);
}

void ImagesPage::lvImagesSelectItem(size_t row) {
    const ImageVariable* variable = RowAt(row);
    if (!variable)
        return;
    m_files.clear();
    m_selectedFile.reset();
    // A folder outside the package lists nothing; the row's file still shows.
    if (const auto folder = m_context.workspace()->PackageFileIfInside(variable->folder)) {
        UpdatesSuspended suspended(m_context.ui());
        for (std::string& name : ListFileNames(*folder, "*.*"))
            if (IsListedEntry(*folder, name))
                m_files.push_back(std::move(name));
    }
    const auto found = std::find(m_files.begin(), m_files.end(), variable->url);
    m_selectedFile =
        found != m_files.end() ? static_cast<size_t>(found - m_files.begin()) : InsertSorted(m_files, variable->url);
}

void ImagesPage::FileClicked(size_t index) {
    ImageVariable* row = SelectedRow();
    if (!row || index >= m_files.size())
        return;
    CustomizationStep step(m_context, "image " + row->title, StepReach::Tables);
    m_selectedFile = index;
    row->url = m_files[index];
    m_context.Rebuildtemplate();
}

void ImagesPage::SelectFileNamed(const std::string& name) {
    const auto found = std::find(m_files.begin(), m_files.end(), name);
    if (found != m_files.end())
        FileClicked(static_cast<size_t>(found - m_files.begin()));
}

bool ImagesPage::OpenBrowser(const std::vector<std::string>& extensions) {
    if (!SelectedRow())
        return false;
    lvImagesSelectItem(*m_selected);
    const std::optional<fs::path> folder = FolderOf(*SelectedRow());
    if (!folder)
        return false;
    const std::string* current = SelectedFileName();
    m_browser.Open(*folder, extensions, current ? *current : std::string());
    return true;
}

void ImagesPage::BrowserPicked() {
    if (const std::optional<std::string> picked = m_browser.Picked())
        SelectFileNamed(*picked);
}

bool ImagesPage::Tweak() {
    ImageVariable* row = SelectedRow();
    if (!row)
        return false;
    if (const std::string* file = SelectedFileName()) {
        CustomizationStep step(m_context, "image " + row->title, StepReach::Tables);
        row->url = *file;
    }
    m_editor.SetImagePath(row->folder + row->url);
    if (!IsJpegName(row->url)) {
        m_context.ui().Inform(imagetexts::kOnlyJpeg);
        return false;
    }
    return true;
}

bool ImagesPage::LoadEditorImage() {
    const TemplateWorkspace* ws = m_context.workspace();
    if (!ws)
        return false;
    try {
        m_editor.Load(ws->PackageFile(m_editor.imagePath()));
    } catch (const Error& error) {
        m_context.ui().ShowError(error.what());
        return false;
    }
    return true;
}

std::string ImagesPage::ProposedSaveName() {
    const ImageVariable* row = SelectedRow();
    if (!row)
        return {};
    const std::string* file = SelectedFileName();
    const std::string base = WithoutExtension(file ? *file : row->url);
    const std::optional<fs::path> folder = FolderOf(*row);
    return folder ? ProposedImageName(*folder, base) : base + "_1.jpg";
}

ImageSaveOutcome ImagesPage::SaveEditedImage(std::string& name) {
    const std::optional<size_t> edited = m_selected;
    const ImageVariable* row = SelectedRow();
    if (!row)
        return ImageSaveOutcome::Failed;
    if (const auto refusal = ImageNameRefusal(name)) {
        m_context.ui().Inform(*refusal);
        return ImageSaveOutcome::Refused;
    }
    name = JpegFileName(name);
    const std::optional<fs::path> folder = FolderOf(*row);
    if (!folder)
        return ImageSaveOutcome::Failed;
    if (NameTakenNoCase(*folder, name)) {
        m_context.ui().Inform(imagetexts::kImageExists);
        return ImageSaveOutcome::Refused;
    }
    try {
        WriteNewFile(*folder / NativeNameFromPackageText(name),
                     EncodeJpeg(m_editor.adjusted(), m_editor.saveQuality()));
    } catch (const Error& error) {
        m_context.ui().ShowError(error.what());
        return ImageSaveOutcome::Failed;
    }
    // Only the edited variable changes: the other choices of this session stay.
    onImageSelected(edited);
    const auto found = std::find(m_files.begin(), m_files.end(), name);
    if (found == m_files.end())
        return ImageSaveOutcome::NotListed;
    FileClicked(static_cast<size_t>(found - m_files.begin()));
    return ImageSaveOutcome::Saved;
}

void ImagesPage::CopyReplacing(const fs::path& from, const fs::path& to, bool replace) {
    try {
        if (replace)
            CopyFileAtomic(from, to);
        else
            WriteNewFile(to, ReadFileBytes(from));
    } catch (const Error& error) {
        m_context.ui().ShowError(error.what());
    }
}

void ImagesPage::Add() {
    if (!SelectedRow())
        return;
    AddFiles(m_context.ui().AskOpenFiles(
        {"Open", {"Pictures (*.jpg *.jpeg *.png *.gif *.webp *.svg)", "All Files (*)"}, FileKind::Image}));
}

void ImagesPage::AddFiles(const std::vector<fs::path>& files) {
    const ImageVariable* row = SelectedRow();
    if (!row)
        return;
    const std::optional<fs::path> folder = FolderOf(*row);
    std::string refused;
    for (const fs::path& file : files) {
        if (!folder)
            break;
        const std::string name = PathToProgramText(file.filename());
        if (!IsPictureName(name)) {
            refused += "\r\n" + name;
            continue;
        }
        const fs::path target = *folder / file.filename();
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(target, ec)))
            CopyReplacing(file, target, false);
        else if (m_context.ui().ConfirmLoss(kOverwrite) == Answer::Yes)
            CopyReplacing(file, target, true);
    }
    if (!refused.empty())
        m_context.ui().Inform(kNotPictures + refused);
    ShowSelectedRow();
}

std::vector<size_t> ImagesPage::RowsUsing(const fs::path& file) {
    std::vector<size_t> rows;
    const TemplateWorkspace* ws = m_context.workspace();
    for (size_t i = 0; i < ws->tables.images.size(); ++i) {
        const ImageVariable& row = ws->tables.images[i];
        // A row pointing outside the package cannot be using a file inside it.
        const std::optional<fs::path> used = ws->PackageFileIfInside(row.folder + row.url);
        std::error_code ec;
        if (used && (*used == file || fs::equivalent(*used, file, ec)))
            rows.push_back(i);
    }
    return rows;
}

void ImagesPage::ForgetDeletedFile(const std::vector<size_t>& rows) {
    TemplateWorkspace* ws = m_context.workspace();
    for (size_t i : rows) {
        if (i >= ws->tables.DefaultImageTable.size())
            continue;
        ws->tables.images[i].url = ws->tables.DefaultImageTable[i].url;
        ws->tables.images[i].folder = ws->tables.DefaultImageTable[i].folder;
    }
}

void ImagesPage::Delete() {
    TemplateWorkspace* ws = m_context.workspace();
    const ImageVariable* row = SelectedRow();
    const std::string* entry = SelectedFileName();
    if (!row || !entry)
        return;
    const std::string name = *entry;
    const auto& defaults = ws->tables.DefaultImageTable;
    if (*m_selected < defaults.size() && name == defaults[*m_selected].url) {
        m_context.ui().Inform(kDefaultImage);
        return;
    }
    if (m_context.ui().ConfirmLoss("Do you really want to delete the image \"" + name + "\"?") != Answer::Yes)
        return;
    const std::optional<fs::path> folder = FolderOf(*row);
    if (!folder)
        return;
    const bool deleted = RunPageAction(m_context.ui(), kCannotDelete, FailureBox::Error, [&] {
        const fs::path file = *folder / NativeNameFromPackageText(name);
        std::error_code ec;
        if (fs::is_directory(fs::symlink_status(file, ec)))
            throw Error("\"" + PathToProgramText(file) + "\" is a folder.");
        const std::vector<size_t> users = RowsUsing(file);
        fs::remove(file, ec);
        if (ec)
            throw Error(FileErrorText(file, "delete", ec.value()));
        ForgetDeletedFile(users);
        lvImagesSelectItem(*m_selected);
    });
    if (deleted)
        m_context.Rebuildtemplate();
}

void ImagesPage::Export() {
    const ImageVariable* row = SelectedRow();
    const std::string* entry = SelectedFileName();
    if (!row || !entry)
        return;
    const std::string name = *entry;
    const std::optional<fs::path> folder = FolderOf(*row);
    if (!folder)
        return;
    const auto target = m_context.ui().AskSaveFile({"Save As", {"All Files (*.*)"}, name, "", FileKind::Image});
    if (target)
        CopyReplacing(*folder / NativeNameFromPackageText(name), *target, true);
}

bool ImagesPage::RestoreFromBackup(const fs::path& backup, const fs::path& root, bool keepCustom) {
    std::error_code ec;
    if (keepCustom) {
        fs::create_directories(root, ec);
        CopyFolderTree(backup, root);
        return !ec;
    }
    m_platform.RecycleFolder(root);
    // A folder that is still there would receive the backup as a subfolder.
    if (fs::exists(fs::symlink_status(root, ec)))
        return false;
    ShellCopyFolder(m_platform, m_context.ui(), backup, root);
    return true;
}

void ImagesPage::RestoreDefaults() {
    TemplateWorkspace* ws = m_context.workspace();
    if (!ws)
        return;
    const PackageSettings& settings = ws->settings;
    std::optional<fs::path> backup;
    if (!settings.imagebackup.empty() && !settings.imageroot.empty())
        backup = ws->PackageFileIfInside(settings.imagebackup);
    std::error_code ec;
    if (!backup || !fs::is_directory(*backup, ec)) {
        m_context.ui().Inform(kBackupMissing);
        return;
    }
    if (m_context.ui().ConfirmLoss(kRestoreQuestion) != Answer::Yes)
        return;
    std::optional<std::string> failure;
    try {
        const fs::path root = ws->PackageFile(settings.imageroot);
        const Answer keep = m_context.ui().Confirm(kKeepQuestion);
        if (keep == Answer::Cancel)
            return;
        if (!RestoreFromBackup(*backup, root, keep == Answer::Yes))
            failure = kRestoreFailed;
    } catch (const std::exception& cause) {
        failure = FailureText(kRestoreFailed, cause);
    }
    m_context.Rebuildtemplate();
    m_presets.Default();
    m_context.ui().Inform(kComplete);
    if (failure)
        m_context.ui().ShowError(*failure);
}

void ImagesPage::TweakHelp() { m_context.HelpRequested(helptopic::kTweakImage); }
void ImagesPage::DeleteImageHelp() { m_context.HelpRequested(helptopic::kDeleteImage); }
void ImagesPage::EditorHelp() { m_context.HelpRequested(helptopic::kImageEditor); }
void ImagesPage::BrowserHelp() { m_context.HelpRequested(helptopic::kImageBrowser); }

void ImagesPage::Reset() {
    m_selected.reset();
    m_files.clear();
    m_selectedFile.reset();
    m_presets.Reset();
}

void ImagesPage::AfterPresetApply() {
    m_selectedFile.reset();
    ShowSelectedRow();
}

} // namespace quorlex
