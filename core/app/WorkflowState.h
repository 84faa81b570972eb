#pragma once

#include "preview/DeviceWidth.h"
#include "workspace/TableFiles.h"

#include <array>
#include <string>

namespace quorlex {

// The main window's pages, in their tab order.
enum class WorkflowPage { Select, Customize, Files };
constexpr size_t kWorkflowPageCount = 3;

// The tabs of "2) Customize", in their tab order.
enum class SubPage { Colors, Images, Layouts, Fonts, Menus, Pages, LargePreview };
// The table each sub-page before "Large Preview:" shows, by sub-page.
constexpr std::array<TableKind, 5> kSubPageTables{TableKind::Colors, TableKind::Images, TableKind::Layouts,
                                                  TableKind::Fonts, TableKind::Menus};

// The main window's pages: which are shown, which is active, and the height rule of the
// customization area over the live preview.
struct WorkflowState {
    static constexpr int kDesignedAreaHeight = 207;
    static constexpr int kLargePreviewAreaHeight = 30;

    std::array<bool, kWorkflowPageCount> pageVisible{true, false, false};
    WorkflowPage activePage = WorkflowPage::Select;
    SubPage activeSubPage = SubPage::Colors;
    int CustomizePagesHeight = kDesignedAreaHeight;
    int subPageAreaHeight = kDesignedAreaHeight;
    bool hoverTabVisible = false;
    int activeCodeTab = 0;
    int activeOutputTab = 0;
    std::string caption = "Quorlex";
    // The width the live preview lays its page out at; it stays over rebuilds and loads.
    DeviceWidth previewWidth = DeviceWidth::Full;

    // Selecting "Large Preview:" leaves only the tabs; any other sub-page gets the user's height.
    void SubPageChanged(SubPage page) {
        activeSubPage = page;
        subPageAreaHeight = page == SubPage::LargePreview ? kLargePreviewAreaHeight : CustomizePagesHeight;
    }
    void SplitterMoved(int height) {
        CustomizePagesHeight = height;
        subPageAreaHeight = height;
    }
    // After a package load: all pages shown, customization active, at the height the user
    // last dragged the area to (the designed height until then, also in earlier runs).
    void ShowLoadedTemplate() {
        pageVisible = {true, true, true};
        activePage = WorkflowPage::Customize;
        activeSubPage = SubPage::Colors;
        subPageAreaHeight = CustomizePagesHeight;
    }
};

} // namespace quorlex
