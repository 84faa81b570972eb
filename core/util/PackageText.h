#pragma once

#include "util/TextEncoding.h"

#include <filesystem>
#include <string>
#include <vector>

namespace quorlex {

namespace fs = std::filesystem;

// Package files read as program text, each by the rule for its kind. Line ends are CR LF.
struct DecodedText {
    std::string text;
    TextEncoding encoding;
};

// The page, by its byte order mark, its declaration or its bytes (PageEncoding).
DecodedText ReadPageText(const fs::path& file);
// A stylesheet of a page in `page`, by StyleSheetEncoding; a byte order mark is kept.
DecodedText ReadStyleSheetText(const fs::path& file, TextEncoding page);
// A fragment or list that declares nothing: UTF-8 when valid, else Windows-1252.
std::string ReadPackageText(const fs::path& file);
std::vector<std::string> ReadTextLines(const fs::path& file);

} // namespace quorlex
