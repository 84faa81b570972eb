#include "util/NewFile.h"

#include "util/Error.h"
#include "util/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace quorlex {

namespace {

// Closes the descriptor and removes the temporary file unless it was handed over.
class TemporaryFile {
public:
    explicit TemporaryFile(const fs::path& target) {
        for (int n = 0; n < 100 && m_fd < 0; ++n) {
            m_path = target;
            m_path += ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(n);
            m_fd = ::open(m_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
            if (m_fd < 0 && errno != EEXIST)
                break;
        }
        if (m_fd < 0)
            throw Error(FileErrorText(target, "create", errno));
    }
    ~TemporaryFile() {
        if (m_fd >= 0)
            ::close(m_fd);
        ::unlink(m_path.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    void Write(std::string_view bytes, const fs::path& target) {
        while (!bytes.empty()) {
            const ssize_t written = ::write(m_fd, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                throw Error(FileErrorText(target, "write", written < 0 ? errno : EIO));
            bytes.remove_prefix(static_cast<size_t>(written));
        }
        const int closing = m_fd;
        m_fd = -1;
        if (::fsync(closing) != 0 || ::close(closing) != 0)
            throw Error(FileErrorText(target, "write", errno));
    }

    // Both ways fail when the name exists, so an existing file is never replaced; a hard link
    // serves file systems that cannot rename without replacing.
    void MoveTo(const fs::path& target) {
        if (::renameat2(AT_FDCWD, m_path.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
            return;
        if ((errno == EINVAL || errno == ENOSYS) && ::link(m_path.c_str(), target.c_str()) == 0)
            return;
        throw Error(FileErrorText(target, "create", errno));
    }

private:
    fs::path m_path;
    int m_fd = -1;
};

} // namespace

void WriteNewFile(const fs::path& path, std::string_view bytes) {
    TemporaryFile temporary(path);
    temporary.Write(bytes, path);
    temporary.MoveTo(path);
}

} // namespace quorlex
