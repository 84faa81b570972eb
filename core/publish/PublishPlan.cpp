#include "publish/PublishPlan.h"

#include "util/FileSizeText.h"

namespace quorlex {

PublishPlan PlanPublish(const Manifest& site, const Manifest& published, bool deleteRemoved) {
    PublishPlan plan;
    for (const auto& [name, entry] : site) {
        const auto last = published.find(name);
        if (last != published.end() && last->second == entry) {
            plan.unchanged.push_back(name);
        } else {
            plan.upload.push_back(name);
            plan.uploadBytes += entry.size;
        }
    }
    for (const auto& [name, entry] : published)
        if (site.find(name) == site.end())
            (deleteRemoved ? plan.remove : plan.kept).push_back(name);
    return plan;
}

std::string DryRunText(const PublishPlan& plan, const Manifest& site) {
    std::string text;
    for (const std::string& name : plan.upload)
        text += "upload " + name + " (" + FileSizeText(site.at(name).size) + ")\n";
    for (const std::string& name : plan.remove)
        text += "delete " + name + "\n";
    for (const std::string& name : plan.kept)
        text += "keep " + name + " (no longer in the site)\n";
    text += std::to_string(plan.upload.size()) + " to upload (" + FileSizeText(plan.uploadBytes) + "), " +
            std::to_string(plan.remove.size()) + " to delete, " + std::to_string(plan.unchanged.size()) + " unchanged.";
    return text;
}

} // namespace quorlex
