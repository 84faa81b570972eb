#pragma once

#include "publish/PublishPlan.h"
#include "publish/RemoteSite.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace quorlex {

namespace fs = std::filesystem;

// How far a publish has come.
struct PublishProgress {
    size_t filesDone = 0;
    size_t filesTotal = 0;
    std::uint64_t bytesDone = 0;
    std::uint64_t bytesTotal = 0;
    std::string file; // the file being sent, or empty
};

// Told while a publish runs, from the thread that runs it.
class PublishListener {
public:
    virtual ~PublishListener() = default;
    // False stops the publish: the file in flight is dropped, the files sent before it stay.
    virtual bool Progress(const PublishProgress& progress) = 0;
    // Asked while the run connects and compares; false stops it there.
    virtual bool KeepGoing() { return true; }
};

// The site against what the server holds.
struct PublishComparison {
    Manifest site;
    Manifest published; // what the server's record lists
    PublishPlan plan;
    std::string notice; // about the server's record, or empty
};

// Reads the site and the server's record and plans the publish; nothing is changed anywhere.
// `lastHere` is the record of this computer's last publish to the target, if any.
PublishComparison ComparePublish(const fs::path& site, RemoteSite& remote, bool deleteRemoved,
                                 const std::optional<Manifest>& lastHere = std::nullopt);

// Carries the comparison out: the files in folders first and the pages last, so that a page
// never links what is not there yet; then the deletions; then the server's record. Returns the
// record the server now holds. A failure throws Error (TransferCancelled when stopped) after
// the server's record has been brought to what was done, when the server still answers.
Manifest Publish(const fs::path& site, const PublishComparison& comparison, RemoteSite& remote,
                 PublishListener& listener);

// The summary after a publish: "Published: 3 files sent (12.3 KB), 1 deleted, 104 unchanged."
std::string PublishSummary(const PublishPlan& plan);

} // namespace quorlex
