#include "SilentUi.h"
#include "StressPackage.h"
#include "project/ProjectLoad.h"
#include "project/ProjectSave.h"
#include "util/TextFile.h"
#include "workspace/WorkspaceLoader.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quorlex;

TemplateWorkspace& StressWorkspace() {
    static const bench::TempStressPackage package("quorlex-project", bench::kRebuildStress);
    static TemplateWorkspace ws = [] {
        LoadNotices notices;
        TemplateWorkspace loaded;
        loaded.templateId = "stress";
        LoadPackage(loaded, package.path(), notices);
        return loaded;
    }();
    return ws;
}

// The project of the stress package built and written to its file.
void BM_SaveProject(benchmark::State& state) {
    TemplateWorkspace& ws = StressWorkspace();
    bench::SilentUi ui;
    const fs::path file = ws.TemplateFolder / "stress.tpp";
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string project = BuildProject(ws, ui);
        WriteFileAtomic(file, project);
        bytes = project.size();
    }
    state.counters["project_kB"] = static_cast<double>(bytes) / 1024;
}
BENCHMARK(BM_SaveProject)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(15)->ReportAggregatesOnly(true);

// The project read, checked and applied: tables taken over and every menu file written.
void BM_LoadProject(benchmark::State& state) {
    TemplateWorkspace& ws = StressWorkspace();
    bench::SilentUi ui;
    const std::string project = BuildProject(ws, ui);
    for (auto _ : state) {
        ProjectChanges changes = ReadProject(project, ws);
        ApplyProject(changes, ws, ui);
    }
}
BENCHMARK(BM_LoadProject)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace
