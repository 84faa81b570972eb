#include "util/TextFile.h"

#include "util/Error.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace quorlex {

std::string FileErrorText(const fs::path& path, const std::string& action) {
    const int code = errno;
    std::string reason = code ? std::strerror(code) : "Unknown error";
    return "Cannot " + action + " file \"" + path.string() + "\". " + reason;
}

std::string ReadFileBytes(const fs::path& path) {
    errno = 0;
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        errno = EISDIR;
        throw Error(FileErrorText(path, "open"));
    }
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw Error(FileErrorText(path, "open"));
    std::string bytes;
    in.seekg(0, std::ios::end);
    const auto size = in.tellg();
    if (size > 0) {
        bytes.resize(static_cast<size_t>(size));
        in.seekg(0);
        in.read(bytes.data(), size);
    }
    if (in.bad())
        throw Error(FileErrorText(path, "read"));
    return bytes;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

std::vector<std::string> ReadLines(const fs::path& path) {
    return SplitLines(ReadFileBytes(path));
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string NormalizeLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 32 + 2);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            out += "\r\n";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out += c;
        }
    }
    if (!out.empty() && out.back() != '\n')
        out += "\r\n";
    return out;
}

void WriteFileBytes(const fs::path& path, std::string_view bytes) {
    errno = 0;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        throw Error(FileErrorText(path, "create"));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw Error(FileErrorText(path, "write"));
}

void WriteFileAtomic(const fs::path& path, std::string_view bytes) {
    fs::path temp = path;
    temp += ".part";
    WriteFileBytes(temp, bytes);
    std::error_code ec;
    fs::rename(temp, path, ec);
    if (ec) {
        const std::string reason = ec.message();
        fs::remove(temp, ec);
        throw Error("Cannot write file \"" + path.string() + "\". " + reason);
    }
}

} // namespace quorlex
