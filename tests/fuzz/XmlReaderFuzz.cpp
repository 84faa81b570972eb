// Package XML files: read for their items, then written back and read again.
#include "FuzzScratch.h"
#include "util/Error.h"
#include "workspace/XmlDocument.h"

#include <cstdint>
#include <cstdlib>

using namespace quorlex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const fs::path file = fuzz::WriteScratchFile("table.xml", bytes);
    const std::vector<std::string> fields{"title", "filename", "value"};
    for (const bool keepLayout : {false, true}) {
        std::vector<ItemValues> rows;
        try {
            XmlDocument doc = XmlDocument::Load(file, keepLayout);
            doc.ForEachItem(
                fields, [&rows](const ItemValues& values) { rows.push_back(values); }, true);
            if (!keepLayout)
                continue;
            // What was read can be saved, and the saved file reads again.
            doc.SetItems(fields, rows);
            const fs::path saved = fuzz::WriteScratchFile("saved.xml", doc.Serialize());
            size_t count = 0;
            XmlDocument::Load(saved, true)
                .ForEachItem(
                    fields, [&count](const ItemValues&) { ++count; }, true);
            if (count < rows.size())
                std::abort();
        } catch (const Error&) {
            // Refused input is fine; anything else escaping is a fault.
        }
    }
    return 0;
}
