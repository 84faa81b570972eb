#include "app/PublishCommand.h"

#include "app/PublishPage.h"
#include "publish/SecretStore.h"

namespace quorlex {

namespace {

constexpr int kMostRuns = 3;

// A line on each file as it is sent.
class FileLines : public PublishListener {
public:
    explicit FileLines(std::ostream& out) : m_out(out) {}
    bool Progress(const PublishProgress& progress) override {
        if (!progress.file.empty() && progress.file != m_file)
            m_out << "sending " << progress.file << " (" << progress.filesDone + 1 << " of " << progress.filesTotal
                  << ")\n";
        m_file = progress.file;
        return true;
    }

private:
    std::ostream& m_out;
    std::string m_file;
};

} // namespace

int PublishFromCommandLine(const fs::path& site, const std::string& target, bool dryRun, const ProgramFolders& folders,
                           std::ostream& out, std::ostream& err) {
    StreamUi ui(err);
    DesktopSecretStore secrets;
    PublishPage page(ui, secrets);
    page.SetFolder(folders.data() / "publish");
    if (const PublishTarget* found = page.Find(target); found && found->protocol == PublishProtocol::Ftp)
        err << "Warning: " << kPlainFtpWarning << "\n";
    std::optional<PublishJob> job = page.Prepare(target, site, dryRun);
    for (int run = 0; job && run < kMostRuns; ++run) {
        FileLines lines(out);
        const PublishOutcome outcome = RunPublishJob(*job, lines);
        std::optional<PublishJob> again = page.Finish(*job, outcome);
        if (outcome.kind == PublishOutcome::Kind::Published || outcome.kind == PublishOutcome::Kind::Checked) {
            out << outcome.text << "\n";
            return 0;
        }
        if (outcome.kind == PublishOutcome::Kind::UnknownHostKey && !again)
            err << "Error: the server's key is not accepted yet. Publish once from the window and accept it there, "
                   "or add the server to the known hosts with ssh.\n";
        job = std::move(again);
    }
    return 1;
}

} // namespace quorlex
