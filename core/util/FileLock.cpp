#include "util/FileLock.h"

#include "util/Error.h"
#include "util/NativeNames.h"
#include "util/TextFile.h"

#include <cerrno>
#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace quorlex {

FileLock::FileLock(const fs::path& file, std::chrono::milliseconds patience, const std::string& busyMessage) {
    m_fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (m_fd < 0)
        throw Error(FileErrorText(file, "create", errno));
    const auto until = std::chrono::steady_clock::now() + patience;
    while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            const int code = errno;
            ::close(m_fd);
            throw Error(FileErrorText(file, "lock", code));
        }
        if (std::chrono::steady_clock::now() >= until) {
            ::close(m_fd);
            throw Error(busyMessage);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

FileLock::~FileLock() { ::close(m_fd); }

fs::path ReplaceFolder(const fs::path& fresh, const fs::path& target) {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(target, ec);
    if (fs::is_symlink(status))
        fs::remove(target, ec); // the link itself, never what it points to
    if (!fs::exists(fs::symlink_status(target, ec))) {
        if (::rename(fresh.c_str(), target.c_str()) != 0)
            throw Error(FileErrorText(target, "create", errno));
        return {};
    }
    if (::renameat2(AT_FDCWD, fresh.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) != 0) {
        if (errno != EINVAL && errno != ENOSYS)
            throw Error(FileErrorText(target, "replace", errno));
        // Without an exchange the old folder steps aside first.
        fs::path old = fresh.string() + "-old";
        if (::rename(target.c_str(), old.c_str()) != 0)
            throw Error(FileErrorText(target, "replace", errno));
        if (::rename(fresh.c_str(), target.c_str()) != 0) {
            const int code = errno;
            ::rename(old.c_str(), target.c_str());
            throw Error(FileErrorText(target, "replace", code));
        }
        return old;
    }
    return fresh; // the old folder, now under the fresh one's name
}

} // namespace quorlex
