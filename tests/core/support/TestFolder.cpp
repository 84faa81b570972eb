#include "support/TestFolder.h"

#include "util/TextFile.h"

#include <atomic>
#include <unistd.h>

namespace quorlex::test {

TestFolder::TestFolder() {
    static std::atomic<int> counter{0};
    m_path = fs::temp_directory_path() / ("quorlex-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    fs::remove_all(m_path);
    fs::create_directories(m_path);
}

TestFolder::~TestFolder() {
    std::error_code ec;
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(m_path, ec);
}

fs::path TestFolder::Write(const std::string& relative, const std::string& bytes) const {
    const fs::path file = m_path / relative;
    fs::create_directories(file.parent_path());
    WriteFileAtomic(file, bytes);
    return file;
}

std::string TestFolder::Read(const std::string& relative) const { return ReadFileBytes(m_path / relative); }

bool TestFolder::Exists(const std::string& relative) const { return fs::exists(m_path / relative); }

} // namespace quorlex::test
