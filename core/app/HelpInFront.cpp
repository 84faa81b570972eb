#include "app/HelpInFront.h"

#include "help/HelpTopics.h"

namespace quorlex {

namespace {

constexpr int kCodeOutputTab = 2;
constexpr int kSiteCheckOutputTab = 3;
constexpr int kPublishOutputTab = 4;

int SubPageTopic(SubPage page) {
    switch (page) {
    case SubPage::Colors: return helptopic::kSelectColors;
    case SubPage::Images: return helptopic::kImagePresets;
    case SubPage::Layouts: return helptopic::kLayouts;
    case SubPage::Fonts: return helptopic::kFonts;
    case SubPage::Menus: return helptopic::kMenus;
    case SubPage::Pages: return helptopic::kPages;
    case SubPage::LargePreview: return helptopic::kPreviewToolbar;
    }
    return helptopic::kOverview;
}

int CodeTopic(int codeTab) {
    switch (codeTab) {
    case 1: return helptopic::kCssCode;
    case 2: return helptopic::kHoverCode;
    default: return helptopic::kHtmlCode;
    }
}

} // namespace

int HelpTopicInFront(const WorkflowState& state) {
    switch (state.activePage) {
    case WorkflowPage::Select: return helptopic::kSelectTemplate;
    case WorkflowPage::Customize: return SubPageTopic(state.activeSubPage);
    case WorkflowPage::Files:
        if (state.activeOutputTab == kPublishOutputTab)
            return helptopic::kPublish;
        if (state.activeOutputTab == kSiteCheckOutputTab)
            return helptopic::kSiteCheck;
        return state.activeOutputTab == kCodeOutputTab ? CodeTopic(state.activeCodeTab) : helptopic::kExport;
    }
    return helptopic::kOverview;
}

} // namespace quorlex
