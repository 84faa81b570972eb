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
        Notices notices;
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
    Notices problems;
    const fs::path file = ws.TemplateFolder / "stress.tpp";
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string project = BuildProject(ws, problems);
        WriteFileAtomic(file, project);
        bytes = project.size();
    }
    state.counters["project_kB"] = static_cast<double>(bytes) / 1024;
}
BENCHMARK(BM_SaveProject)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(15)->ReportAggregatesOnly(true);

// The project read, checked and applied: tables taken over and every menu file written.
void BM_LoadProject(benchmark::State& state) {
    TemplateWorkspace& ws = StressWorkspace();
    Notices problems;
    const std::string project = BuildProject(ws, problems);
    for (auto _ : state) {
        ProjectChanges changes = ReadProject(project, ws);
        ApplyProject(changes, ws, problems);
    }
}
BENCHMARK(BM_LoadProject)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace
