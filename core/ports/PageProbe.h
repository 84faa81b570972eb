#pragma once

#include "ports/TextSample.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

namespace quorlex {

// Renders a page out of sight and reads the computed colors of its text.
class PageProbe {
public:
    // The samples, or nothing when the page could not be rendered.
    using Done = std::function<void(std::optional<std::vector<TextSample>>)>;

    virtual ~PageProbe() = default;
    // Starts measuring `page`; `done` is called later, at most once. A new request drops the
    // one still running without calling its `done`.
    virtual void MeasureText(const std::filesystem::path& page, Done done) = 0;
};

} // namespace quorlex
