#include "util/TextFile.h"

#include "util/Error.h"
#include "util/NativeNames.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace quorlex {
namespace {

// Closes a descriptor when the scope ends.
class FileHandle {
public:
    explicit FileHandle(int fd = -1) : m_fd(fd) {}
    ~FileHandle() { Close(); }
    FileHandle(FileHandle&& other) noexcept : m_fd(other.m_fd) { other.m_fd = -1; }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int get() const { return m_fd; }
    int Close() {
        const int result = m_fd >= 0 ? ::close(m_fd) : 0;
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

[[noreturn]] void Fail(const fs::path& path, const std::string& action, int code) {
    throw Error(FileErrorText(path, action, code));
}

// A regular file opened for reading, with its size; never blocks on a FIFO or a device.
FileHandle OpenRegular(const fs::path& path, struct stat& info) {
    FileHandle fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0)
        Fail(path, "open", errno);
    if (::fstat(fd.get(), &info) != 0)
        Fail(path, "read", errno);
    if (S_ISDIR(info.st_mode))
        Fail(path, "open", EISDIR);
    if (!S_ISREG(info.st_mode))
        throw Error("Cannot read file \"" + PathToProgramText(path) + "\". It is not a regular file.");
    return fd;
}

void WriteAll(int fd, const char* data, size_t size, const fs::path& path) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            Fail(path, "write", written < 0 ? errno : ENOSPC);
        data += written;
        size -= static_cast<size_t>(written);
    }
}

// A new file beside `target` that no one else has opened: a random name, created exclusively.
FileHandle CreateTemporary(const fs::path& target, fs::path& temp) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = target.parent_path() / (".quorlex-" + std::to_string(random() % 1000000000000ull) + ".tmp");
        FileHandle fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
        if (fd.get() >= 0)
            return fd;
        if (errno != EEXIST)
            Fail(target, "create", errno);
    }
    Fail(target, "create", EEXIST);
}

void SyncFolder(const fs::path& folder) {
    FileHandle fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0)
        ::fsync(fd.get());
}

// Gives the temporary file the name `path`; without `replace` only when nothing has that name,
// by a rename that refuses to replace or, where the file system cannot, a hard link.
int PutInPlace(const fs::path& temp, const fs::path& path, bool replace) {
    if (replace)
        return ::rename(temp.c_str(), path.c_str());
    if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return -1;
    if (::link(temp.c_str(), path.c_str()) != 0)
        return -1;
    ::unlink(temp.c_str());
    return 0;
}

// Writes through `fill` into a temporary file, then puts it in place of `path`.
template <typename Fill>
void SaveAtomically(const fs::path& path, Fill&& fill, bool replace = true,
                    Durability durability = Durability::Synced) {
    const bool synced = durability == Durability::Synced;
    struct stat old {};
    const bool exists = ::lstat(path.c_str(), &old) == 0;
    if (exists && S_ISLNK(old.st_mode))
        throw Error("Cannot write file \"" + PathToProgramText(path) + "\". It is a symbolic link.");
    if (exists && !S_ISREG(old.st_mode))
        throw Error("Cannot write file \"" + PathToProgramText(path) + "\". It is not a regular file.");
    fs::path temp;
    FileHandle fd = CreateTemporary(path, temp);
    try {
        fill(fd.get());
        if (exists && ::fchmod(fd.get(), old.st_mode & 07777) != 0)
            Fail(path, "write", errno);
        if (synced && ::fsync(fd.get()) != 0)
            Fail(path, "write", errno);
        if (fd.Close() != 0)
            Fail(path, "write", errno);
        if (PutInPlace(temp, path, replace) != 0)
            Fail(path, replace ? "write" : "create", errno);
    } catch (...) {
        fd.Close();
        ::unlink(temp.c_str());
        throw;
    }
    if (synced)
        SyncFolder(path.parent_path());
}

} // namespace

std::string FileErrorText(const fs::path& path, const std::string& action, int errorCode) {
    const std::string reason = errorCode ? std::strerror(errorCode) : "Unknown error";
    return "Cannot " + action + " file \"" + PathToProgramText(path) + "\". " + reason;
}

std::string ReadFileBytes(const fs::path& path, std::size_t maxBytes) {
    struct stat info {};
    FileHandle fd = OpenRegular(path, info);
    const auto size = static_cast<std::size_t>(info.st_size);
    if (size > maxBytes)
        throw Error("Cannot read file \"" + PathToProgramText(path) + "\". It is larger than " +
                    std::to_string(maxBytes >> 20) + " MB.");
    std::string bytes(size, '\0');
    std::size_t done = 0;
    char probe = 0;
    for (;;) {
        char* into = done < size ? bytes.data() + done : &probe;
        const ssize_t got = ::read(fd.get(), into, done < size ? size - done : 1);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            Fail(path, "read", errno);
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
        if (done > size)
            break;
    }
    if (done != size)
        throw Error("Cannot read file \"" + PathToProgramText(path) + "\". It changed while it was read.");
    return bytes;
}

std::optional<std::string> ReadFileIfPresent(const fs::path& path) {
    std::error_code ec;
    if (fs::symlink_status(path, ec).type() == fs::file_type::not_found)
        return std::nullopt;
    return ReadFileBytes(path);
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

std::vector<std::string> ReadLines(const fs::path& path) { return SplitLines(ReadFileBytes(path)); }

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

void WriteFileAtomic(const fs::path& path, std::string_view bytes, Durability durability) {
    SaveAtomically(
        path, [&](int fd) { WriteAll(fd, bytes.data(), bytes.size(), path); }, true, durability);
}

void WriteNewFile(const fs::path& path, std::string_view bytes) {
    SaveAtomically(
        path, [&](int fd) { WriteAll(fd, bytes.data(), bytes.size(), path); }, false);
}

void CopyFileAtomic(const fs::path& from, const fs::path& to) {
    struct stat info {};
    FileHandle source = OpenRegular(from, info);
    SaveAtomically(to, [&](int fd) {
        char buffer[1 << 16];
        for (;;) {
            const ssize_t got = ::read(source.get(), buffer, sizeof buffer);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                Fail(from, "read", errno);
            if (got == 0)
                break;
            WriteAll(fd, buffer, static_cast<size_t>(got), to);
        }
    });
}

} // namespace quorlex
