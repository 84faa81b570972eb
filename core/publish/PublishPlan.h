#pragma once

#include "publish/Manifest.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quorlex {

// What a publish does: the files to send (new or changed), the remote files to delete (only
// when asked for) and what stays, each sorted by name.
struct PublishPlan {
    std::vector<std::string> upload;
    std::vector<std::string> remove;
    std::vector<std::string> unchanged;
    std::vector<std::string> kept; // gone from the site, left on the server
    std::uint64_t uploadBytes = 0;
};

// Compares the site with what the last publish to the target sent.
PublishPlan PlanPublish(const Manifest& site, const Manifest& published, bool deleteRemoved);

// The dry run's list: "upload index.html (12.3 KB)", "delete old.html", then a summary line.
std::string DryRunText(const PublishPlan& plan, const Manifest& site);

} // namespace quorlex
