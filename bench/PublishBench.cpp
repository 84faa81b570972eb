#include "StressPackage.h"
#include "output/Generation.h"
#include "publish/CurlRemoteSite.h"
#include "publish/PublishRun.h"
#include "support/TestServers.h"
#include "util/TextFile.h"
#include "workspace/WorkspaceLoader.h"

#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <linux/tcp.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using namespace quorlex;
namespace fs = std::filesystem;

double Milliseconds(std::chrono::steady_clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

class Quiet : public PublishListener {
public:
    bool Progress(const PublishProgress&) override { return true; }
};

// The bytes this process's TCP connections to the port have sent and seen acknowledged.
std::uint64_t BytesSentTo(int port) {
    std::uint64_t bytes = 0;
    for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
        const int fd = std::atoi(entry.path().filename().c_str());
        sockaddr_in peer{};
        socklen_t length = sizeof peer;
        tcp_info info{};
        socklen_t infoLength = sizeof info;
        if (getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &length) == 0 && peer.sin_family == AF_INET &&
            ntohs(peer.sin_port) == port && getsockopt(fd, IPPROTO_TCP, TCP_INFO, &info, &infoLength) == 0)
            bytes += info.tcpi_bytes_acked;
    }
    return bytes;
}

// The changed files sent the way a user would by hand: one curl run, each file with its -T.
double CurlMilliseconds(const PublishTarget& target, const fs::path& site, const std::vector<std::string>& names) {
    std::string command = "curl -sS -k --connect-timeout 60 --ftp-create-dirs -u " + target.user + ": --key " +
                          target.keyFile.string() + " --pubkey " + target.keyFile.string() + ".pub";
    for (const std::string& name : names)
        command += " -T '" + (site / name).string() + "' 'sftp://127.0.0.1:" + std::to_string(target.port) +
                   target.remoteFolder + "/by-hand/" + name + "'";
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("curl failed");
    return Milliseconds(std::chrono::steady_clock::now() - start);
}

// One change between two publishes, made on the package.
using Change = void (*)(TemplateWorkspace& ws, int round);

void ChangeOneColor(TemplateWorkspace& ws, int round) { ws.tables.colors[0].value = round % 2 ? "#123456" : "#654321"; }

void ReplaceOnePicture(TemplateWorkspace& ws, int round) {
    WriteFileAtomic(ws.TemplateFolder / "images/img7.gif", std::string(50 * 1024, static_cast<char>('a' + round % 2)));
}

// The stress site published once, then again after each change: what the second publish sends
// against the whole site, and its time against curl sending only the changed files.
void RepublishAfter(benchmark::State& state, Change change) {
    static const bench::TempStressPackage package("quorlex-publish", bench::kGenerationStress);
    const fs::path servers = package.path().parent_path() / ("quorlex-publish-server-" + std::to_string(getpid()));
    fs::create_directories(servers);
    test::SftpTestServer server(servers);
    RemoteAccess access;
    access.target = server.Target("bench");
    access.knownHosts = server.knownHosts();
    try {
        CurlRemoteSite(access).Fetch(kManifestName);
    } catch (const UnknownHostKey& unknown) {
        access.acceptedKey = unknown.key();
    }
    Notices notices;
    TemplateWorkspace ws;
    LoadPackage(ws, package.path(), notices);
    GenerationResult result;
    SiteGenerator generator;
    generator.Generate(ws, {}, result);
    const fs::path site = OutputFolder(ws);
    Quiet quiet;
    {
        CurlRemoteSite remote(access);
        Publish(site, ComparePublish(site, remote, false), remote, quiet);
    }
    double publishMs = 0, curlMs = 0, sentFraction = 0, wireFraction = 0, changedFiles = 0, siteBytes = 0;
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        change(ws, ++round);
        generator.Generate(ws, {}, result);
        std::vector<std::string> changed;
        {
            CurlRemoteSite look(access);
            changed = ComparePublish(site, look, false).plan.upload;
        }
        curlMs += CurlMilliseconds(access.target, site, changed);
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        CurlRemoteSite remote(access);
        const PublishComparison comparison = ComparePublish(site, remote, false);
        Publish(site, comparison, remote, quiet);
        publishMs += Milliseconds(std::chrono::steady_clock::now() - start);
        const auto wire = static_cast<double>(BytesSentTo(server.port()));
        siteBytes = 0;
        for (const auto& [name, entry] : comparison.site)
            siteBytes += static_cast<double>(entry.size);
        sentFraction += static_cast<double>(comparison.plan.uploadBytes) / siteBytes;
        wireFraction += wire / siteBytes;
        changedFiles = static_cast<double>(comparison.plan.upload.size());
    }
    const auto rounds = static_cast<double>(state.iterations());
    state.counters["site_MB"] = siteBytes / (1024 * 1024);
    state.counters["changed_files"] = changedFiles;
    state.counters["sent_percent"] = 100 * sentFraction / rounds;
    state.counters["wire_percent"] = 100 * wireFraction / rounds;
    state.counters["publish_ms"] = publishMs / rounds;
    state.counters["curl_ms"] = curlMs / rounds;
    state.counters["curl_ratio"] = curlMs > 0 ? publishMs / curlMs : 0;
    std::error_code ec;
    fs::remove_all(servers, ec);
}
// A server that does not start or a failed run is reported as the benchmark's error.
void Republish(benchmark::State& state, Change change) {
    try {
        RepublishAfter(state, change);
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
}

void BM_RepublishAfterOneColor(benchmark::State& state) { Republish(state, ChangeOneColor); }
BENCHMARK(BM_RepublishAfterOneColor)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_RepublishAfterOnePicture(benchmark::State& state) { Republish(state, ReplaceOnePicture); }
BENCHMARK(BM_RepublishAfterOnePicture)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace
