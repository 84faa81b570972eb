#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quorlex {

namespace fs = std::filesystem;

// Whole file as bytes; throws Error naming the file and the system's reason.
std::string ReadFileBytes(const fs::path& path);

// Lines split at CR LF, lone CR and lone LF; a final line break adds no line.
std::vector<std::string> SplitLines(std::string_view text);
std::vector<std::string> ReadLines(const fs::path& path);

// Each line followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

// The text with every line ending turned into CR LF, the last line ended too.
std::string NormalizeLineEnds(std::string_view text);

// Creates or replaces the file; throws Error on failure.
void WriteFileBytes(const fs::path& path, std::string_view bytes);

// Writes a temporary file beside the target, then renames it over the target.
void WriteFileAtomic(const fs::path& path, std::string_view bytes);

// The message of a failed file operation, in the form users see it.
std::string FileErrorText(const fs::path& path, const std::string& action);

} // namespace quorlex
