// Stylesheet inlining: a page and up to four stylesheets, each with its variable and media.
#include "FuzzScratch.h"
#include "util/Error.h"
#include "workspace/WorkspaceLoader.h"

#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

using namespace quorlex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    TemplateWorkspace ws;
    ws.TemplateFolder = fuzz::ScratchFolder();
    std::string page = input.ConsumeRandomLengthString();
    const size_t count = input.ConsumeIntegralInRange<size_t>(0, 4);
    size_t grown = page.size();
    for (size_t i = 0; i < count; ++i) {
        StyleSheetEntry sheet;
        sheet.folder = input.ConsumeBool() ? "css\\" : "";
        const std::string name = "sheet" + std::to_string(i);
        sheet.filename = name + ".CSS"; // found on disk without regard to case
        sheet.var = input.ConsumeRandomLengthString();
        sheet.media = input.ConsumeRandomLengthString();
        const std::string css = input.ConsumeRandomLengthString();
        fuzz::WriteScratchFile((sheet.folder.empty() ? fs::path() : fs::path("css")) / (name + ".css"), css);
        // Line ends may double the sheet, and each address of four or more characters
        // ("url(") may gain the folder and "./".
        grown += StyleBlock(sheet.media, css).size() + 5 * css.size();
        ws.stylesheets.push_back(sheet);
    }
    try {
        InlineStyleSheets(ws, page);
    } catch (const Error&) {
        return 0;
    }
    // Each sheet replaces at most one match.
    if (page.size() > grown)
        std::abort();
    return 0;
}
