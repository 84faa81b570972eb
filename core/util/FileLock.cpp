#include "util/FileLock.h"

#include "util/Error.h"
#include "util/TextFile.h"

#include <cerrno>
#include <fcntl.h>
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

} // namespace quorlex
