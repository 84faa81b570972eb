#pragma once

#include <string>

namespace quorlex {

// The help viewer window. It keeps the address set last and goes there every time it is shown.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Sets the address (a native file path or a web address) and shows the viewer modally.
    virtual void ShowHelp(const std::string& address) = 0;
};

} // namespace quorlex
