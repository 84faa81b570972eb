#pragma once

#include <filesystem>
#include <string>

namespace quorlex {

// The help viewer window. It keeps the address set last and goes there every time it is shown.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Sets the address and shows the viewer modally: a help page file...
    virtual void ShowHelpFile(const std::filesystem::path& file) = 0;
    // ... or a web address, written as program text.
    virtual void ShowHelp(const std::string& address) = 0;
};

} // namespace quorlex
