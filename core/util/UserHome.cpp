#include "util/UserHome.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace quorlex {

std::filesystem::path UserHomeFolder() {
    const char* home = std::getenv("HOME");
    if (home && *home)
        return home;
    const passwd* account = ::getpwuid(::getuid());
    return account && account->pw_dir ? account->pw_dir : "";
}

} // namespace quorlex
