#include "output/SiteCheck.h"

#include "output/ContrastCheck.h"
#include "output/LinkCheck.h"
#include "ports/PageProbe.h"

namespace quorlex {
namespace {

constexpr size_t kListedInQuestion = 8;

std::string Problems(size_t count) { return std::to_string(count) + (count == 1 ? " problem" : " problems"); }

} // namespace

void SiteCheck::Start(const fs::path& siteFolder, const TemplateWorkspace& ws) {
    Clear();
    m_links = CheckLinks(siteFolder, ws);
    m_colors = ws.tables.colors;
    m_site = siteFolder;
    m_pages = {"index.html"};
    for (size_t i = 1; i < ws.site.pages.size(); ++i)
        m_pages.push_back(ws.site.pages[i].file);
    m_state = m_probe ? State::Checking : State::Done;
    m_colorsUnchecked = !m_probe;
    Notify();
    MeasureNext();
}

// The pages are measured one after the other: the probe renders one page at a time.
void SiteCheck::MeasureNext() {
    if (!m_probe || m_measured >= m_pages.size())
        return;
    const unsigned run = m_run;
    m_probe->MeasureText(
        m_site / m_pages[m_measured],
        [this, run](const std::optional<std::vector<TextSample>>& samples) { Measured(run, samples); });
}

void SiteCheck::Clear() {
    ++m_run; // an answer still on its way belongs to an older site
    const bool changed = m_state != State::NotRun;
    m_state = State::NotRun;
    m_colorsUnchecked = false;
    m_overPictures = 0;
    m_measured = 0;
    m_pages.clear();
    m_links.clear();
    m_contrast.clear();
    if (changed)
        Notify();
}

void SiteCheck::Measured(unsigned run, const std::optional<std::vector<TextSample>>& samples) {
    if (run != m_run || m_state != State::Checking)
        return;
    if (samples) {
        for (SiteFinding& finding : CheckContrast(*samples, m_colors)) {
            finding.location = m_pages[m_measured];
            m_contrast.push_back(std::move(finding));
        }
        m_overPictures += CountTextOverPictures(*samples);
    } else {
        m_colorsUnchecked = true;
    }
    if (++m_measured < m_pages.size()) {
        MeasureNext();
        return;
    }
    m_state = State::Done;
    Notify();
}

std::vector<SiteFinding> SiteCheck::findings() const {
    std::vector<SiteFinding> all = m_links;
    all.insert(all.end(), m_contrast.begin(), m_contrast.end());
    return all;
}

std::string SiteCheck::StatusText() const {
    switch (m_state) {
    case State::NotRun: return {};
    case State::Checking: return "Checking...";
    case State::Done: break;
    }
    std::string text =
        ProblemCount() == 0 ? "No problems found." : "The site check found " + Problems(ProblemCount()) + ".";
    if (m_colorsUnchecked)
        text += " The text colors could not be checked.";
    else if (m_overPictures == 1)
        text += " 1 text over a picture was not checked.";
    else if (m_overPictures > 1)
        text += " " + std::to_string(m_overPictures) + " texts over pictures were not checked.";
    return text;
}

std::optional<std::string> SiteCheck::ExportQuestion() const {
    if (m_state == State::Checking)
        return "The site check has not finished yet. Export anyway?";
    if (m_state != State::Done || ProblemCount() == 0)
        return std::nullopt;
    std::string question = "The site check found " + Problems(ProblemCount()) + ":";
    const std::vector<SiteFinding> all = findings();
    for (size_t i = 0; i < all.size() && i < kListedInQuestion; ++i)
        question += "\r\n- " + FindingLine(all[i]);
    if (all.size() > kListedInQuestion)
        question += "\r\n(and " + std::to_string(all.size() - kListedInQuestion) + " more on the \"Check site\" tab)";
    return question + "\r\nExport anyway?";
}

void SiteCheck::Notify() {
    if (m_listener)
        m_listener->SiteCheckChanged();
}

} // namespace quorlex
