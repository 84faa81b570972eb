#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorlex {

enum class ReferenceKind {
    External, // another site, mail, script or data: not checked
    SamePage, // empty or only a fragment
    Local,    // a file of the site
    Outside,  // climbs out of the site folder, or names a drive or a local file address
};

struct SiteReference {
    ReferenceKind kind = ReferenceKind::External;
    // Local: the native names from the site folder down, "." and ".." resolved.
    std::vector<std::string> parts;
};

// Where an address written in a site file (program text) leads. `folder` holds the native
// names of the folder of the file it stands in. The query and fragment are cut off and the
// percent escapes decoded per name; "\" separates as "/" does; a leading "/" starts at the
// site folder, which is the site's root once published.
SiteReference ResolveSiteReference(std::string_view reference, const std::vector<std::string>& folder);

} // namespace quorlex
