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

constexpr const char* kTemporaryPrefix = ".quorlex-";
constexpr const char* kTemporarySuffix = ".tmp";

fs::path RandomTemporaryName(const fs::path& target) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    return target.parent_path() / (kTemporaryPrefix + std::to_string(random() % 1000000000000ull) + kTemporarySuffix);
}

// A file being written before it takes its name. `name` is empty while it has none.
struct Temporary {
    FileHandle fd;
    fs::path name;
};

// Unnamed files can be given a name through /proc; without it, named temporaries are used.
bool UnnamedFilesCanBeNamed() {
    static const bool available = ::access("/proc/self/fd", X_OK) == 0;
    return available;
}

// A new file in the folder of `target` that no one else has opened: unnamed where the file
// system allows it, so that a crash leaves nothing behind, else a random name of the
// program's own pattern, created exclusively.
Temporary CreateTemporary(const fs::path& target) {
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    if (UnnamedFilesCanBeNamed()) {
        FileHandle fd(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
        if (fd.get() >= 0)
            return {std::move(fd), {}};
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            Fail(target, "create", errno);
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path name = RandomTemporaryName(target);
        FileHandle fd(::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
        if (fd.get() >= 0)
            return {std::move(fd), std::move(name)};
        if (errno != EEXIST)
            Fail(target, "create", errno);
    }
    Fail(target, "create", EEXIST);
}

// Gives an unnamed file the name `path`, which must be free.
int NameUnnamed(int fd, const fs::path& path) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW);
}

void SyncFolder(const fs::path& folder) {
    FileHandle fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0)
        ::fsync(fd.get());
}

// Gives the named temporary file the name `path`; without `replace` only when nothing has that
// name, by a rename that refuses to replace or, where the file system cannot, a hard link.
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

// Gives the written temporary file the name `path`. An unnamed one takes the name directly while
// nothing has it; one that replaces another gets a name of its own first, since rename is what
// replaces atomically.
void Place(Temporary& temp, const fs::path& path, bool replace, bool exists) {
    if (temp.name.empty()) {
        if (!exists) {
            if (NameUnnamed(temp.fd.get(), path) == 0) {
                if (temp.fd.Close() != 0) {
                    const int code = errno;
                    ::unlink(path.c_str());
                    Fail(path, "write", code);
                }
                return;
            }
            if (errno != EEXIST)
                Fail(path, "create", errno);
        }
        if (!replace)
            Fail(path, "create", EEXIST);
        temp.name = RandomTemporaryName(path);
        if (NameUnnamed(temp.fd.get(), temp.name) != 0) {
            const int code = errno;
            temp.name.clear();
            Fail(path, "write", code);
        }
    }
    if (temp.fd.Close() != 0)
        Fail(path, "write", errno);
    if (PutInPlace(temp.name, path, replace) != 0)
        Fail(path, replace ? "write" : "create", errno);
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
    Temporary temp = CreateTemporary(path);
    try {
        fill(temp.fd.get());
        if (exists && ::fchmod(temp.fd.get(), old.st_mode & 07777) != 0)
            Fail(path, "write", errno);
        if (synced && ::fsync(temp.fd.get()) != 0)
            Fail(path, "write", errno);
        Place(temp, path, replace, exists);
    } catch (...) {
        temp.fd.Close();
        if (!temp.name.empty())
            ::unlink(temp.name.c_str());
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

namespace {

// Copies what `source` (opened as `from`, with its state `before`) holds into `target`; throws
// Error when the source changed meanwhile, in size or modification time.
void CopyContent(int source, const struct stat& before, int target, const fs::path& from, const fs::path& to) {
    char buffer[1 << 16];
    off_t copied = 0;
    for (;;) {
        const ssize_t got = ::read(source, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            Fail(from, "read", errno);
        if (got == 0)
            break;
        WriteAll(target, buffer, static_cast<size_t>(got), to);
        copied += got;
    }
    struct stat after {};
    if (::fstat(source, &after) != 0 || copied != before.st_size || after.st_size != before.st_size ||
        after.st_mtim.tv_sec != before.st_mtim.tv_sec || after.st_mtim.tv_nsec != before.st_mtim.tv_nsec)
        throw Error("Cannot copy file \"" + PathToProgramText(from) + "\". It changed while it was copied.");
}

// Makes `path`, which must not exist, and fills it directly; on failure the file goes again.
template <typename Fill>
void FillNewFile(const fs::path& path, Fill&& fill) {
    FileHandle fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
    if (fd.get() < 0)
        Fail(path, "create", errno);
    try {
        fill(fd.get());
        if (fd.Close() != 0)
            Fail(path, "write", errno);
    } catch (...) {
        fd.Close();
        ::unlink(path.c_str());
        throw;
    }
}

} // namespace

void CopyFileAtomic(const fs::path& from, const fs::path& to, Durability durability) {
    struct stat before {};
    FileHandle source = OpenRegular(from, before);
    SaveAtomically(
        to, [&](int fd) { CopyContent(source.get(), before, fd, from, to); }, true, durability);
}

void WriteIntoOwnFolder(const fs::path& path, std::string_view bytes) {
    ::unlink(path.c_str());
    FillNewFile(path, [&](int fd) { WriteAll(fd, bytes.data(), bytes.size(), path); });
}

void CopyIntoOwnFolder(const fs::path& from, const fs::path& to) {
    struct stat before {};
    FileHandle source = OpenRegular(from, before);
    FillNewFile(to, [&](int fd) { CopyContent(source.get(), before, fd, from, to); });
}

void LinkIntoOwnFolder(const fs::path& from, const fs::path& to) {
    struct stat before {};
    FileHandle source = OpenRegular(from, before);
    if (UnnamedFilesCanBeNamed() && NameUnnamed(source.get(), to) == 0)
        return;
    if (errno == EEXIST)
        Fail(to, "create", errno);
    FillNewFile(to, [&](int fd) { CopyContent(source.get(), before, fd, from, to); });
}

bool IsProgramTemporary(const std::string& name) {
    const std::string prefix = kTemporaryPrefix;
    const std::string suffix = kTemporarySuffix;
    if (name.size() <= prefix.size() + suffix.size() || name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    const std::string digits = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    return digits.find_first_not_of("0123456789") == std::string::npos;
}

void RemoveStaleTemporaries(const fs::path& folder) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code ignored;
        if (IsProgramTemporary(it->path().filename().string()) && it->is_regular_file(ignored))
            fs::remove(it->path(), ignored);
    }
}

void SyncFileSystemOf(const fs::path& folder) {
    FileHandle fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0 || ::syncfs(fd.get()) != 0)
        Fail(folder, "write", errno);
}

} // namespace quorlex
