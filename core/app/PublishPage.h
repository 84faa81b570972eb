#pragma once

#include "publish/CurlRemoteSite.h"
#include "publish/PublishRun.h"
#include "publish/PublishTarget.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quorlex {

namespace fs = std::filesystem;
class FilesPage;
class PageContext;
class SecretStore;
class Ui;

// Everything one run needs; it runs away from the window's thread.
struct PublishJob {
    fs::path site;
    RemoteAccess access;
    bool dryRun = false;
    std::optional<Manifest> lastHere; // this computer's record of its last publish there
    bool keepSecret = false;          // store the secret once the server took it
};

// How a run ended, with the text for the user.
struct PublishOutcome {
    enum class Kind { Published, Checked, Cancelled, Failed, UnknownHostKey, LoginRefused };
    Kind kind = Kind::Failed;
    std::string text; // the dry run's list, the summary, or the failure
    PublishPlan plan; // what was planned, after the comparison
    Manifest record;  // what the server now holds, after a publish
    std::optional<HostKey> hostKey;
};

// Runs the job; never throws.
PublishOutcome RunPublishJob(const PublishJob& job, PublishListener& listener);

// The publish targets and the steps around a run that talk to the user: the site check's
// question, the secret, a new host key, and what is kept afterwards. Used by the "Publish" tab
// and by the command line.
class PublishPage {
public:
    PublishPage(Ui& ui, SecretStore& secrets);
    // Another store for the secrets (tests use one of their own).
    void UseSecretStore(SecretStore& secrets) { m_secrets = &secrets; }

    // The folder the targets file and the records of past publishes are kept in; loads them.
    void SetFolder(const fs::path& folder);
    const std::vector<PublishTarget>& targets() const { return m_targets; }
    const PublishTarget* Find(const std::string& name) const;
    // Adds the target, or replaces the one called `replacing`. Plain FTP is saved only after the
    // user has been warned. False, after a message, when it is not saved.
    bool SaveTarget(const PublishTarget& target, const std::string& replacing = {});
    // Asks first; the target's secret and record go with it. False when nothing was deleted.
    bool DeleteTarget(const std::string& name);

    // The job for a run of the target on the site folder, or nothing (after a message, or when
    // the user declined). `siteQuestion` is the site check's question, asked before a publish.
    // The job reads a copy of the site as it is now (hard links), which Finish removes.
    std::optional<PublishJob> Prepare(const std::string& targetName, const fs::path& site, bool dryRun,
                                      const std::optional<std::string>& siteQuestion = std::nullopt);
    // After a run: the record and the secret are kept; a new host key or a refused login is put
    // to the user. Returns the job to run again when the user answered, else nothing; the
    // outcome's text has been shown when it was a failure.
    std::optional<PublishJob> Finish(PublishJob job, const PublishOutcome& outcome);

    fs::path RecordFile(const std::string& targetName) const;
    // Where a run's copy of the site is kept until the run is over.
    fs::path SendingFolder(const std::string& targetName) const;
    fs::path TargetsFile() const { return m_folder / "targets.xml"; }

private:
    bool NeedsSecret(const PublishTarget& target) const;
    bool FillSecret(PublishJob& job, bool askAgain);
    std::optional<PublishJob> AfterRun(PublishJob job, const PublishOutcome& outcome);

    Ui& m_ui;
    SecretStore* m_secrets;
    fs::path m_folder;
    std::vector<PublishTarget> m_targets;
};

} // namespace quorlex
