#pragma once

#include "util/Color.h"

#include <QColor>

namespace quorlex {

// A toolkit color (red in the low byte) as Qt's, and back.
inline QColor ToQColor(Color color) { return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF); }
inline Color FromQColor(const QColor& color) { return RgbColor(color.red(), color.green(), color.blue()); }

} // namespace quorlex
