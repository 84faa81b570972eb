#include "app/CustomizePages.h"

namespace quorlex {

void CustomizePages::Reset() {
    colors.Reset();
    fonts.Reset();
    layouts.Reset();
    images.Reset();
    menus.Reset();
}

void CustomizePages::ShowRestored(const RestoredParts& parts) {
    const auto restored = [&](TableKind kind) { return parts.tables[static_cast<size_t>(kind)]; };
    if (restored(TableKind::Colors))
        colors.ShowSelectedRow();
    if (restored(TableKind::Fonts))
        fonts.ShowSelectedRow();
    if (restored(TableKind::Layouts))
        layouts.ShowSelectedRow();
    if (restored(TableKind::Images))
        images.ShowSelectedRow();
    if (parts.menuFiles) {
        menus.ShowSelectedRow();
        pages.Reload();
    }
}

} // namespace quorlex
