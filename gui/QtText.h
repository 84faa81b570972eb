#pragma once

#include <QString>
#include <filesystem>
#include <string>

namespace quorlex {

// Program text (UTF-8) to and from Qt strings.
QString ToQt(const std::string& text);
std::string FromQt(const QString& text);

// A tool tip that shows `text` as typed, also when it looks like markup.
QString PlainToolTip(const QString& text);

// File system paths go by the system's own encoding, not the program's text encoding.
QString PathToQt(const std::filesystem::path& path);
std::filesystem::path PathFromQt(const QString& path);

} // namespace quorlex
