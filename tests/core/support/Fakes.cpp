#include "support/Fakes.h"

namespace quorlex::test {

std::vector<std::string> FirstLines(const std::vector<std::string>& messages) {
    std::vector<std::string> lines;
    for (const std::string& message : messages)
        lines.push_back(message.substr(0, message.find("\r\n")));
    return lines;
}

namespace {

template <typename T>
T Next(std::deque<T>& script, T fallback) {
    if (script.empty())
        return fallback;
    T value = script.front();
    script.pop_front();
    return value;
}

} // namespace

Answer FakeUi::Confirm(const std::string& question) {
    questions.push_back(question);
    return Next(answers, Answer::Yes);
}

std::optional<Color> FakeUi::ChooseColor(Color initial, const std::function<void(Color)>& preview) {
    colorOffers.push_back(initial);
    for (Color color : pointedColors)
        preview(color);
    return Next<std::optional<Color>>(chosenColors, std::nullopt);
}

std::optional<std::filesystem::path> FakeUi::AskSaveFile(const SaveFileRequest& request) {
    saveRequests.push_back(request);
    return Next<std::optional<std::filesystem::path>>(savePaths, std::nullopt);
}

std::optional<std::filesystem::path> FakeUi::AskOpenFile(const OpenFileRequest& request) {
    openRequests.push_back(request);
    return Next<std::optional<std::filesystem::path>>(openPaths, std::nullopt);
}

void FakeBrowsers::ShowFile(BrowserId browser, const fs::path& file) { log.emplace_back(browser, file.string()); }

bool FakeBrowsers::PatchStyles(BrowserId browser, const fs::path&, const StylePatch& patch) {
    if (!patchesTaken)
        return false;
    std::string text = "styles:";
    for (const StyleBlockChange& change : patch.changes)
        text += std::to_string(change.index) + "=" + change.css + ";";
    log.emplace_back(browser, text);
    return true;
}

void FakeBrowsers::Navigate(BrowserId browser, const std::string& address) { log.emplace_back(browser, address); }

void FakeBrowsers::ShowHtml(BrowserId browser, const std::string& html) { log.emplace_back(browser, "html:" + html); }

std::string FakeBrowsers::Shown(BrowserId browser) const {
    for (auto it = log.rbegin(); it != log.rend(); ++it)
        if (it->first == browser)
            return it->second;
    return {};
}

} // namespace quorlex::test
