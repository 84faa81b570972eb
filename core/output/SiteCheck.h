#pragma once

#include "output/SiteFinding.h"
#include "ports/TextSample.h"
#include "workspace/TemplateWorkspace.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quorlex {

namespace fs = std::filesystem;
class PageProbe;

class SiteCheckListener {
public:
    virtual ~SiteCheckListener() = default;
    virtual void SiteCheckChanged() = 0;
};

// The check of the generated site: its links at once, then the text colors once the probe
// has rendered each page, one after the other. The check never stops an export; it only gives
// the question asked before one.
class SiteCheck {
public:
    enum class State { NotRun, Checking, Done };

    void SetProbe(PageProbe* probe) { m_probe = probe; }
    void SetListener(SiteCheckListener* listener) { m_listener = listener; }

    // Checks the site just generated into `siteFolder`. Throws Error when its page cannot be
    // read; the check is then cleared.
    void Start(const fs::path& siteFolder, const TemplateWorkspace& ws);
    // No site to check (the generation failed).
    void Clear();

    State state() const { return m_state; }
    // Link findings first, then the colors.
    std::vector<SiteFinding> findings() const;
    size_t ProblemCount() const { return m_links.size() + m_contrast.size(); }
    // "Checking...", the number of problems found, or empty before any check.
    std::string StatusText() const;
    // The question before an export, when there is one to ask; it lists the problems.
    std::optional<std::string> ExportQuestion() const;

private:
    void MeasureNext();
    void Measured(unsigned run, const std::optional<std::vector<TextSample>>& samples);
    void Notify();

    PageProbe* m_probe = nullptr;
    SiteCheckListener* m_listener = nullptr;
    State m_state = State::NotRun;
    unsigned m_run = 0;
    bool m_colorsUnchecked = false;
    size_t m_overPictures = 0; // texts over pictures, whose contrast is not checked
    fs::path m_site;
    std::vector<std::string> m_pages; // index.html and the user's pages, measured in turn
    size_t m_measured = 0;
    std::vector<ColorVariable> m_colors; // the values the colors were generated with
    std::vector<SiteFinding> m_links;
    std::vector<SiteFinding> m_contrast;
};

} // namespace quorlex
