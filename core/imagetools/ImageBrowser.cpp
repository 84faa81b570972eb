#include "imagetools/ImageBrowser.h"

#include "imagetools/ImageNames.h"
#include "util/FileLists.h"
#include "util/NativeNames.h"

#include <algorithm>

namespace quorlex {

namespace {

bool HasExtension(const std::string& name, const std::vector<std::string>& extensions) {
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0)
        return false;
    const std::string ext = name.substr(dot + 1);
    return std::any_of(extensions.begin(), extensions.end(),
                       [&](const std::string& known) { return SameTextNoCase(ext, known); });
}

} // namespace

const std::array<ThumbnailChoice, 3>& ImageBrowser::Choices() {
    static const std::array<ThumbnailChoice, 3> choices{
        {{"Small (200x50)", {200, 50}}, {"Medium (400x100)", {400, 100}}, {"Big (800x200)", {800, 200}}}};
    return choices;
}

void ImageBrowser::SetChoice(size_t choice) {
    if (choice < Choices().size())
        m_choice = choice;
}

void ImageBrowser::Open(const fs::path& folder, const std::vector<std::string>& extensions,
                        const std::string& preselected) {
    m_folder = folder;
    m_files.clear();
    m_selected.reset();
    for (const std::string& name : ListFileNames(folder, "*.*")) {
        std::error_code ec;
        if (HasExtension(name, extensions) && fs::is_regular_file(folder / NativeNameFromPackageText(name), ec))
            m_files.push_back(name);
    }
    const auto found = std::find(m_files.begin(), m_files.end(), preselected);
    if (found != m_files.end())
        m_selected = static_cast<size_t>(found - m_files.begin());
}

fs::path ImageBrowser::FilePath(size_t index) const { return m_folder / NativeNameFromPackageText(m_files.at(index)); }

void ImageBrowser::Select(std::optional<size_t> index) {
    m_selected = index && *index < m_files.size() ? index : std::nullopt;
}

std::optional<std::string> ImageBrowser::Picked() const {
    if (!m_selected)
        return std::nullopt;
    return m_files[*m_selected];
}

} // namespace quorlex
