#pragma once

#include "preview/DeviceWidth.h"

#include <array>
#include <string>

namespace quorlex {

// The main window's pages: which are shown, which is active, and the height rule of the
// customization area over the live preview.
struct WorkflowState {
    static constexpr int kSelectPage = 0;
    static constexpr int kCustomizePage = 1;
    static constexpr int kFilesPage = 2;
    static constexpr int kLargePreviewSubPage = 5;
    static constexpr int kDesignedAreaHeight = 207;
    static constexpr int kLargePreviewAreaHeight = 30;

    std::array<bool, 3> pageVisible{true, false, false};
    int activePage = kSelectPage;
    int activeSubPage = 0;
    int CustomizePagesHeight = kDesignedAreaHeight;
    int subPageAreaHeight = kDesignedAreaHeight;
    bool hoverTabVisible = false;
    int activeCodeTab = 0;
    int activeOutputTab = 0;
    std::string caption = "Quorlex";
    // The width the live preview lays its page out at; it stays over rebuilds and loads.
    DeviceWidth previewWidth = DeviceWidth::Full;

    // Selecting "Large Preview:" leaves only the tabs; any other sub-page gets the user's height.
    void SubPageChanged(int index) {
        activeSubPage = index;
        subPageAreaHeight = index == kLargePreviewSubPage ? kLargePreviewAreaHeight : CustomizePagesHeight;
    }
    void SplitterMoved(int height) {
        CustomizePagesHeight = height;
        subPageAreaHeight = height;
    }
    // After a package load: all pages shown, customization active, designed height.
    void ShowLoadedTemplate() {
        pageVisible = {true, true, true};
        activePage = kCustomizePage;
        activeSubPage = 0;
        subPageAreaHeight = kDesignedAreaHeight;
    }
};

} // namespace quorlex
