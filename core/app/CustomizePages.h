#pragma once

#include "customize/ColorsPage.h"
#include "customize/FontsPage.h"
#include "customize/ImagesPage.h"
#include "customize/LayoutsPage.h"
#include "menus/MenusPage.h"
#include "pages/PagesPage.h"
#include "undo/CustomizationHistory.h"

namespace quorlex {

class PageContext;
class Platform;

// The pages of "2) Customize" over the session's package.
struct CustomizePages {
    CustomizePages(PageContext& context, Platform& platform)
        : colors(context), fonts(context), layouts(context), images(context, platform), menus(context),
          pages(context) {}

    // A new package: no page has a selection.
    void Reset();
    // Each page whose table or menu files were put back shows its selected row again.
    void ShowRestored(const RestoredParts& parts);

    ColorsPage colors;
    FontsPage fonts;
    LayoutsPage layouts;
    ImagesPage images;
    MenusPage menus;
    PagesPage pages;
};

} // namespace quorlex
