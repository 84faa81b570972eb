// The catalog built from templates.tps and three packages' settings.tps: whatever they hold,
// every listed folder becomes an entry.
#include "FuzzScratch.h"
#include "catalog/TemplateCatalog.h"
#include "util/TextFile.h"

#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

using namespace quorlex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string list = "f0\r\nf1\r\nf2\r\n" + input.ConsumeRandomLengthString();
    const fs::path listFile = fuzz::WriteScratchFile("templates/templates.tps", list);
    for (const char* folder : {"f0", "f1", "f2"})
        fuzz::WriteScratchFile(fs::path("templates") / folder / "settings.tps", input.ConsumeRandomLengthString());
    TemplateCatalog catalog;
    catalog.Reload_template_list(fuzz::ScratchFolder());
    if (catalog.entries().size() != ReadLines(listFile).size())
        std::abort();
    return 0;
}
