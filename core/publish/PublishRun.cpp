#include "publish/PublishRun.h"

#include "publish/RemotePath.h"
#include "util/FileSizeText.h"
#include "util/NativeNames.h"
#include "util/UserMessage.h"

#include <algorithm>
#include <set>

namespace quorlex {

namespace {

bool IsPage(const std::string& name) {
    const size_t dot = name.rfind('.');
    const std::string extension = dot == std::string::npos ? std::string() : name.substr(dot);
    return extension == ".html" || extension == ".htm";
}

// Folders before pages, each group in name order.
std::vector<std::string> SendingOrder(std::vector<std::string> names) {
    std::stable_partition(names.begin(), names.end(), [](const std::string& name) { return !IsPage(name); });
    return names;
}

std::set<std::string> FoldersOf(const std::vector<std::string>& names) {
    std::set<std::string> folders;
    for (const std::string& name : names)
        if (const size_t slash = name.rfind('/'); slash != std::string::npos)
            folders.insert(name.substr(0, slash));
    return folders;
}

// The server's record, or an empty one with the reason when it is missing or damaged.
Manifest ServerRecord(RemoteSite& remote, const std::optional<Manifest>& lastHere, std::string& notice) {
    const std::optional<std::string> text = remote.Fetch(kManifestName);
    if (!text) {
        if (lastHere)
            notice = "The server has no record of the last publish (was it deleted?): every file is sent again.";
        return {};
    }
    try {
        Manifest published = ParseManifest(*text);
        if (lastHere && *lastHere != published)
            notice = "The site on the server was published from elsewhere since this computer's last publish; "
                     "it is compared with what the server holds.";
        return published;
    } catch (const std::exception& error) {
        notice = "The server's record of the last publish is damaged (" + UserMessage(error) +
                 "): every file is sent again and nothing is deleted.";
        return {};
    }
}

class Sending {
public:
    Sending(const PublishComparison& comparison, RemoteSite& remote, PublishListener& listener)
        : m_comparison(comparison), m_remote(remote), m_listener(listener), m_record(comparison.published) {
        m_progress.filesTotal = comparison.plan.upload.size() + comparison.plan.remove.size();
        m_progress.bytesTotal = comparison.plan.uploadBytes;
    }

    void SendFiles(const fs::path& site) {
        for (const std::string& folder : FoldersOf(m_comparison.plan.upload))
            m_remote.MakeFolder(folder);
        for (const std::string& name : SendingOrder(m_comparison.plan.upload)) {
            const ManifestEntry& entry = m_comparison.site.at(name);
            m_progress.file = name;
            Tell();
            const std::uint64_t before = m_progress.bytesDone;
            m_remote.Put(site / NativeNameFromPackageText(name), name, [&](std::uint64_t sent) {
                m_progress.bytesDone = before + std::min<std::uint64_t>(sent, entry.size);
                return m_listener.Progress(m_progress);
            });
            m_record[name] = entry;
            m_progress.bytesDone = before + entry.size;
            ++m_progress.filesDone;
        }
    }

    void RemoveFiles() {
        for (const std::string& name : m_comparison.plan.remove) {
            m_progress.file = name;
            Tell();
            m_remote.Remove(name);
            m_record.erase(name);
            ++m_progress.filesDone;
        }
        m_progress.file.clear();
        Tell();
    }

    void WriteRecord() { m_remote.PutBytes(ManifestText(m_record), kManifestName); }

    // After a failure: the record lists what was done, so the next publish sends only the rest.
    void WriteRecordIfPossible() {
        try {
            if (m_record != m_comparison.published)
                WriteRecord();
        } catch (const std::exception&) {
            // The server keeps its older record: the next publish sends these files again.
        }
    }

    const Manifest& record() const { return m_record; }

private:
    void Tell() {
        if (!m_listener.Progress(m_progress))
            throw TransferCancelled();
    }

    const PublishComparison& m_comparison;
    RemoteSite& m_remote;
    PublishListener& m_listener;
    Manifest m_record;
    PublishProgress m_progress;
};

} // namespace

PublishComparison ComparePublish(const fs::path& site, RemoteSite& remote, bool deleteRemoved,
                                 const std::optional<Manifest>& lastHere) {
    PublishComparison comparison;
    comparison.site = ManifestOfFolder(site);
    for (const auto& [name, entry] : comparison.site)
        if (const auto refusal = RemoteNameRefusal(name))
            throw Error("The site cannot be published: " + *refusal);
    comparison.published = ServerRecord(remote, lastHere, comparison.notice);
    comparison.plan = PlanPublish(comparison.site, comparison.published, deleteRemoved);
    return comparison;
}

Manifest Publish(const fs::path& site, const PublishComparison& comparison, RemoteSite& remote,
                 PublishListener& listener) {
    Sending sending(comparison, remote, listener);
    try {
        sending.SendFiles(site);
        sending.RemoveFiles();
        sending.WriteRecord();
    } catch (...) {
        sending.WriteRecordIfPossible();
        throw;
    }
    return sending.record();
}

std::string PublishSummary(const PublishPlan& plan) {
    return "Published: " + std::to_string(plan.upload.size()) + " files sent (" + FileSizeText(plan.uploadBytes) +
           "), " + std::to_string(plan.remove.size()) + " deleted, " + std::to_string(plan.unchanged.size()) +
           " unchanged.";
}

} // namespace quorlex
