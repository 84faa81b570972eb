#include "app/PublishPage.h"

#include "ports/Ui.h"
#include "publish/SecretStore.h"
#include "util/FolderCopy.h"
#include "util/NativeNames.h"
#include "util/TextFile.h"
#include "util/UserMessage.h"

#include <algorithm>

namespace quorlex {

namespace {

std::string WithNotice(const std::string& notice, const std::string& text) {
    return notice.empty() ? text : notice + "\n" + text;
}

std::optional<Manifest> ReadRecord(const fs::path& file) {
    try {
        if (const auto text = ReadFileIfPresent(file))
            return ParseManifest(*text);
    } catch (const std::exception&) {
        // A damaged record of this computer only loses the comparison with the server's one.
    }
    return std::nullopt;
}

} // namespace

PublishOutcome RunPublishJob(const PublishJob& job, PublishListener& listener) {
    using Kind = PublishOutcome::Kind;
    PublishOutcome outcome;
    const std::string name = "\"" + job.access.target.name + "\"";
    try {
        RemoteAccess access = job.access;
        access.keepGoing = [&listener] { return listener.KeepGoing(); };
        CurlRemoteSite remote(access);
        const PublishComparison comparison =
            ComparePublish(job.site, remote, job.access.target.deleteRemoved, job.lastHere);
        outcome.plan = comparison.plan;
        if (job.dryRun) {
            outcome.kind = Kind::Checked;
            outcome.text = WithNotice(comparison.notice, DryRunText(comparison.plan, comparison.site));
            return outcome;
        }
        outcome.record = Publish(job.site, comparison, remote, listener);
        outcome.kind = Kind::Published;
        outcome.text = WithNotice(comparison.notice, PublishSummary(comparison.plan));
    } catch (const UnknownHostKey& error) {
        outcome.kind = Kind::UnknownHostKey;
        outcome.text = error.what();
        outcome.hostKey = error.key();
    } catch (const LoginRefused& error) {
        outcome.kind = Kind::LoginRefused;
        outcome.text = error.what();
    } catch (const TransferCancelled&) {
        outcome.kind = Kind::Cancelled;
        outcome.text = "Publishing to " + name +
                       " was cancelled. The files sent before stay on the server; the "
                       "file in flight was dropped. Publish again to send the rest.";
    } catch (const std::exception& error) {
        outcome.kind = Kind::Failed;
        outcome.text = "Cannot publish to " + name + ". " + UserMessage(error) +
                       (job.dryRun ? "" : "\nNo file on the server is half sent; publish again to send the rest.");
    }
    return outcome;
}

PublishPage::PublishPage(Ui& ui, SecretStore& secrets) : m_ui(ui), m_secrets(&secrets) {}

void PublishPage::SetFolder(const fs::path& folder) {
    m_folder = folder;
    m_targets.clear();
    try {
        m_targets = ReadTargets(TargetsFile());
    } catch (const std::exception& error) {
        const fs::path kept = TargetsFile().string() + ".damaged";
        std::error_code ec;
        fs::rename(TargetsFile(), kept, ec);
        m_ui.ShowError(UserMessage(error) + "\nThe publish targets start empty; the damaged file is kept as \"" +
                       PathToProgramText(kept) + "\".");
    }
}

const PublishTarget* PublishPage::Find(const std::string& name) const {
    const auto found = std::find_if(m_targets.begin(), m_targets.end(),
                                    [&](const PublishTarget& target) { return target.name == name; });
    return found == m_targets.end() ? nullptr : &*found;
}

bool PublishPage::SaveTarget(const PublishTarget& target, const std::string& replacing) {
    if (const auto refusal = TargetRefusal(target)) {
        m_ui.ShowError(*refusal);
        return false;
    }
    if (target.name != replacing && Find(target.name)) {
        m_ui.ShowError("A publish target called \"" + target.name + "\" exists already.");
        return false;
    }
    const PublishTarget* before = Find(replacing);
    const bool newlyPlain =
        target.protocol == PublishProtocol::Ftp && (!before || before->protocol != PublishProtocol::Ftp);
    if (newlyPlain && m_ui.AskYesNo(std::string(kPlainFtpWarning) + "\n\nSave \"" + target.name +
                                    "\" with plain FTP anyway?") != Answer::Yes)
        return false;
    std::vector<PublishTarget> targets = m_targets;
    const auto place = std::find_if(targets.begin(), targets.end(),
                                    [&](const PublishTarget& t) { return !replacing.empty() && t.name == replacing; });
    if (place == targets.end())
        targets.push_back(target);
    else
        *place = target;
    try {
        WriteTargets(TargetsFile(), targets);
    } catch (const std::exception& error) {
        m_ui.ShowError("Cannot save the publish targets. " + UserMessage(error));
        return false;
    }
    if (before && before->name != target.name) {
        std::error_code ec;
        fs::rename(RecordFile(before->name), RecordFile(target.name), ec);
    }
    m_targets = std::move(targets);
    return true;
}

bool PublishPage::DeleteTarget(const std::string& name) {
    const PublishTarget* target = Find(name);
    if (!target || m_ui.ConfirmLoss("Delete the publish target \"" + name +
                                    "\"? Its kept password goes with it; the files on the server stay.") != Answer::Yes)
        return false;
    std::vector<PublishTarget> targets = m_targets;
    targets.erase(targets.begin() + (target - m_targets.data()));
    try {
        WriteTargets(TargetsFile(), targets);
        m_secrets->Clear(SecretKey(*target));
    } catch (const std::exception& error) {
        m_ui.ShowError("Cannot delete the publish target \"" + name + "\" completely. " + UserMessage(error));
    }
    std::error_code ec;
    fs::remove(RecordFile(name), ec);
    m_targets = std::move(targets);
    return true;
}

fs::path PublishPage::SendingFolder(const std::string& targetName) const {
    return m_folder / "sending" / NativeNameFromPackageText(targetName);
}

fs::path PublishPage::RecordFile(const std::string& targetName) const {
    return m_folder / "records" / (NativeNameFromPackageText(targetName) + ".record");
}

bool PublishPage::NeedsSecret(const PublishTarget& target) const {
    return target.keyFile.empty() || KeyNeedsPassphrase(target.keyFile);
}

// The secret from the store, or typed by the user; false when the user cancelled.
bool PublishPage::FillSecret(PublishJob& job, bool askAgain) {
    const PublishTarget& target = job.access.target;
    if (!NeedsSecret(target))
        return true;
    std::string storeTrouble;
    try {
        if (askAgain)
            m_secrets->Clear(SecretKey(target));
        else if (const auto stored = m_secrets->Lookup(SecretKey(target))) {
            job.access.secret = *stored;
            job.keepSecret = false;
            return true;
        }
    } catch (const std::exception& error) {
        storeTrouble = "\n(It cannot be kept for the next time: " + UserMessage(error) + ")";
    }
    const std::string what = target.keyFile.empty()
                                 ? "The password of " + target.user + " on " + target.host + ":"
                                 : "The passphrase of the key \"" + PathToProgramText(target.keyFile) + "\":";
    const auto secret = m_ui.AskSecret((askAgain ? "The server refused it. " : "") + what + storeTrouble);
    if (!secret)
        return false;
    job.access.secret = *secret;
    job.keepSecret = storeTrouble.empty();
    return true;
}

std::optional<PublishJob> PublishPage::Prepare(const std::string& targetName, const fs::path& site, bool dryRun,
                                               const std::optional<std::string>& siteQuestion) {
    const PublishTarget* target = Find(targetName);
    if (!target) {
        m_ui.ShowError("No publish target is called \"" + targetName + "\".");
        return std::nullopt;
    }
    std::error_code ec;
    if (!fs::is_directory(site, ec)) {
        m_ui.ShowError("There is no finished site to publish yet: \"" + PathToProgramText(site) + "\" is missing.");
        return std::nullopt;
    }
    if (!dryRun && siteQuestion && m_ui.AskYesNo(*siteQuestion) != Answer::Yes)
        return std::nullopt;
    PublishJob job;
    job.site = site;
    job.access.target = *target;
    job.dryRun = dryRun;
    job.lastHere = ReadRecord(RecordFile(targetName));
    try {
        if (!FillSecret(job, false))
            return std::nullopt;
        // The run reads the site as it is now, while the window may generate it again.
        job.site = SendingFolder(targetName);
        SnapshotFolder(site, job.site);
    } catch (const std::exception& error) {
        m_ui.ShowError(UserMessage(error));
        return std::nullopt;
    }
    return job;
}

std::optional<PublishJob> PublishPage::Finish(PublishJob job, const PublishOutcome& outcome) {
    const fs::path sending = SendingFolder(job.access.target.name);
    const bool ownCopy = job.site == sending;
    std::optional<PublishJob> again = AfterRun(std::move(job), outcome);
    std::error_code ec;
    if (!again && ownCopy)
        fs::remove_all(sending, ec);
    return again;
}

std::optional<PublishJob> PublishPage::AfterRun(PublishJob job, const PublishOutcome& outcome) {
    using Kind = PublishOutcome::Kind;
    try {
        switch (outcome.kind) {
        case Kind::Published:
            fs::create_directories(RecordFile(job.access.target.name).parent_path());
            WriteFileAtomic(RecordFile(job.access.target.name), ManifestText(outcome.record));
            [[fallthrough]];
        case Kind::Checked:
            if (job.keepSecret)
                m_secrets->Store(SecretKey(job.access.target), SecretLabel(job.access.target), job.access.secret);
            return std::nullopt;
        case Kind::UnknownHostKey:
            if (m_ui.ConfirmLoss(outcome.text + "\n\nAccept this key and connect?") != Answer::Yes)
                return std::nullopt;
            job.access.acceptedKey = outcome.hostKey;
            return job;
        case Kind::LoginRefused:
            if (NeedsSecret(job.access.target) && FillSecret(job, true))
                return job;
            m_ui.ShowError(outcome.text);
            return std::nullopt;
        case Kind::Failed: m_ui.ShowError(outcome.text); return std::nullopt;
        case Kind::Cancelled: return std::nullopt;
        }
    } catch (const std::exception& error) {
        m_ui.ShowError(UserMessage(error));
    }
    return std::nullopt;
}

} // namespace quorlex
