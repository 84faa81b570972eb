#include "FuzzScratch.h"

#include <cstdlib>
#include <fstream>
#include <string>

namespace quorlex::fuzz {
namespace {

struct Folder {
    fs::path path;

    Folder() {
        std::string pattern = (fs::temp_directory_path() / "quorlex-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        path = pattern;
    }
    ~Folder() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

} // namespace

const fs::path& ScratchFolder() {
    static const Folder folder;
    return folder.path;
}

fs::path WriteScratchFile(const fs::path& name, std::string_view bytes) {
    const fs::path file = ScratchFolder() / name;
    fs::create_directories(file.parent_path());
    // A new file each time: rewriting one in place makes ext4 flush it on every close.
    fs::remove(file);
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        std::abort();
    return file;
}

} // namespace quorlex::fuzz
