#pragma once

#include <filesystem>
#include <string>

namespace quorlex::test {

namespace fs = std::filesystem;

// A fresh folder under the system temp folder, removed with its content afterwards.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const fs::path& path() const { return m_path; }
    // Writes a file (parents created) and returns its path.
    fs::path Write(const std::string& relative, const std::string& bytes) const;
    std::string Read(const std::string& relative) const;
    bool Exists(const std::string& relative) const;

private:
    fs::path m_path;
};

} // namespace quorlex::test
