#pragma once

#include <chrono>
#include <filesystem>
#include <string>

namespace quorlex {

namespace fs = std::filesystem;

// An exclusive lock on a lock file, held for the object's lifetime, shared with every other
// process that locks the same file (flock). The file is made when missing and left in place.
class FileLock {
public:
    // Waits up to `patience` for the lock; throws Error with `busyMessage` when another holder
    // keeps it that long, and naming the file when it cannot be made.
    FileLock(const fs::path& file, std::chrono::milliseconds patience, const std::string& busyMessage);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int m_fd = -1;
};

} // namespace quorlex
