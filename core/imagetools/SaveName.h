#pragma once

#include <string>

namespace quorlex {

// The name a typed one is saved under: ".jpg" and ".jpeg" (any case) stay, the extension of
// another picture format becomes ".jpg", and anything else gets ".jpg" added, so "my.banner"
// is saved as "my.banner.jpg". A name that cannot be saved comes back as typed, for the refusal
// to show it.
std::string SavedImageName(const std::string& typed);

// The line under the name field: where the image will go, or why it cannot be saved.
std::string SaveAsNotice(const std::string& typed);

} // namespace quorlex
