#include "util/FileSizeText.h"

#include <cmath>
#include <cstdio>

namespace quorlex {

std::string FileSizeText(std::uint64_t bytes) {
    char text[32];
    const double kilo = static_cast<double>(bytes) / 1024;
    if (bytes < 1024)
        std::snprintf(text, sizeof text, "%llu bytes", static_cast<unsigned long long>(bytes));
    else if (std::round(kilo * 10) < 1024 * 10) // what would show as "1024.0 KB" is 1.0 MB
        std::snprintf(text, sizeof text, "%.1f KB", kilo);
    else
        std::snprintf(text, sizeof text, "%.1f MB", kilo / 1024);
    return text;
}

} // namespace quorlex
