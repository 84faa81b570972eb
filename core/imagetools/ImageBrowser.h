#pragma once

#include "imagetools/RgbImage.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quorlex {

namespace fs = std::filesystem;

struct ThumbnailChoice {
    const char* caption;
    PixelSize cell;
};

// The browser's state over a run: the size choice, kept between openings, and at each opening
// the folder, its image files and the selected one.
class ImageBrowser {
public:
    static const std::array<ThumbnailChoice, 3>& Choices();

    size_t choice() const { return m_choice; }
    void SetChoice(size_t choice);
    PixelSize cellSize() const { return Choices()[m_choice].cell; }

    // Lists the folder's files whose extension is one of `extensions` (without dots, any
    // case), in the file list's order, and selects `preselected` when it is among them.
    void Open(const fs::path& folder, const std::vector<std::string>& extensions, const std::string& preselected);

    // The image files' names as program text, and the native path of one.
    const std::vector<std::string>& files() const { return m_files; }
    fs::path FilePath(size_t index) const;
    std::optional<size_t> selected() const { return m_selected; }
    void Select(std::optional<size_t> index);
    // The selected file's name, if any.
    std::optional<std::string> Picked() const;

private:
    size_t m_choice = 1;
    fs::path m_folder;
    std::vector<std::string> m_files;
    std::optional<size_t> m_selected;
};

} // namespace quorlex
