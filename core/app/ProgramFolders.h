#pragma once

#include <filesystem>
#include <functional>

namespace quorlex {

namespace fs = std::filesystem;

// Where the program reads its shipped files and where it writes. A program folder the user
// can write (the build tree, an unpacked copy) is both. An installed copy (the binary in
// bin/, its files in ../share/quorlex) or a read-only folder is only read: everything the
// program writes goes to the user's data folder.
class ProgramFolders {
public:
    using WritableCheck = std::function<bool(const fs::path&)>;

    // Reads and writes in one folder.
    static ProgramFolders InPlace(const fs::path& folder);
    // The folders of the binary in `executableFolder`; `userDataHome` is the XDG data home.
    static ProgramFolders Choose(const fs::path& executableFolder, const fs::path& userDataHome,
                                 const WritableCheck& canWrite = CanWrite);
    // Whether this user may write into the folder (access(2) with W_OK).
    static bool CanWrite(const fs::path& folder);
    // $XDG_DATA_HOME when it is an absolute path, otherwise `home`/.local/share.
    static fs::path UserDataHome(const char* xdgDataHome, const char* home);
    // The same from the environment; without $HOME, the home folder of the user's account.
    static fs::path UserDataHome();

    // Help pages, artwork and the shipped templates.
    const fs::path& program() const { return m_program; }
    // The templates the user works on, the catalog file and the temporary files.
    const fs::path& data() const { return m_data; }
    bool perUser() const { return m_program != m_data; }

private:
    ProgramFolders(fs::path program, fs::path data) : m_program(std::move(program)), m_data(std::move(data)) {}

    fs::path m_program;
    fs::path m_data;
};

} // namespace quorlex
