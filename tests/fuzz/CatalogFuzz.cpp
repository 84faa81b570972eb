// The catalog file as the program reads it back.
#include "FuzzScratch.h"
#include "catalog/TemplateCatalog.h"
#include "util/Error.h"

#include <cstdint>

using namespace quorlex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        TemplateCatalog::ParseCatalogXml(fuzz::WriteScratchFile(kCatalogFileName, bytes));
    } catch (const Error&) {
        // Refused input is fine; anything else escaping is a fault.
    }
    return 0;
}
