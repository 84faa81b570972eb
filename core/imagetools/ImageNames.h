#pragma once

#include "util/TextSearch.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quorlex {

namespace fs = std::filesystem;

namespace imagetexts {
constexpr const char* kOnlyJpeg = "This editor currently supports only JPEG images.";
constexpr const char* kImageExists = "Such image already exists. Please, change the file name.";
constexpr const char* kEnterImageName = "Please, enter a name for the image.";
constexpr const char* kPlainImageName =
    "The name of the image cannot contain \"/\" or \"\\\" or be \"..\": it is saved beside the edited image.";
} // namespace imagetexts

// True for names ending in ".jpg" or ".jpeg" in any letter case.
bool IsJpegName(const std::string& name);

// Whether the editor can open the file: its first bytes are a JPEG file's. A file that cannot
// be read is judged by its name, so that opening it says why it failed.
bool EditorCanOpen(const fs::path& file);

// True for the kinds of file a page shows as a picture: .jpg .jpeg .png .gif .webp .svg, in any
// letter case.
bool IsPictureName(const std::string& name);

// The name without its extension (the text from its last ".").
std::string WithoutExtension(const std::string& name);

// base + "_1.jpg", or base + "_" + n + ".jpg" for the smallest n from 2 whose name is free in
// the folder, letter case not counted.
std::string ProposedImageName(const fs::path& folder, const std::string& base);

// A typed name as it is saved: ".jpg" added to a name without extension, any extension but
// ".jpg" or ".jpeg" (any case) replaced by ".jpg".
std::string JpegFileName(const std::string& typed);

// Why a typed name cannot be saved in the image's folder, or nothing.
std::optional<std::string> ImageNameRefusal(const std::string& typed);

// True when the folder holds an entry of that name (program text), letter case not counted.
bool NameTakenNoCase(const fs::path& folder, const std::string& name);

} // namespace quorlex
