#include "output/CodeFiles.h"

#include "help/HelpTopics.h"
#include "util/Error.h"
#include "util/TextFile.h"

namespace quorlex {

int HelpTopicOf(CodeTab tab) {
    switch (tab) {
    case CodeTab::Html: return helptopic::kHtmlCode;
    case CodeTab::Css: return helptopic::kCssCode;
    case CodeTab::Hover: return helptopic::kHoverCode;
    }
    return helptopic::kOverview;
}

SaveFileRequest CodeSaveRequest(CodeTab tab, const std::string& shownFile) {
    static const char* const names[] = {"index.html", "style.css", "csshover2.htc"};
    static const char* const suffixes[] = {"html", "css", "htc"};
    const auto index = static_cast<size_t>(tab);
    const size_t slash = shownFile.find_last_of('/');
    const std::string name = shownFile.empty() ? names[index] : shownFile.substr(slash == std::string::npos ? 0 : slash + 1);
    return {"Save File",
            {"HTML Files (*.html)", "CSS Files (*.css)", "HTC Files (*.htc)", "All Files (*.*)"},
            name,
            suffixes[index],
            FileKind::Code,
            index};
}

bool SaveCodeFile(CodeTab tab, const std::string& text, TextEncoding encoding, Ui& ui, const std::string& shownFile) {
    const auto path = ui.AskSaveFile(CodeSaveRequest(tab, shownFile));
    if (!path)
        return false;
    try {
        const Escapes escapes = tab == CodeTab::Css ? Escapes::Css : Escapes::Markup;
        WriteFileAtomic(*path, text.empty() ? std::string() : EncodeText(NormalizeLineEnds(text), encoding, escapes));
        return true;
    } catch (const Error& error) {
        ui.ShowError(error.what());
        return false;
    }
}

} // namespace quorlex
