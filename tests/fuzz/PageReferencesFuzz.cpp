// The site check's reading of a page or stylesheet, and where each address it finds leads.
#include "output/PageReferences.h"
#include "output/SiteReference.h"

#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

using namespace quorlex;

namespace {

// A local address never keeps a step that climbs or stays, nor an empty name.
void CheckResolved(const std::string& reference) {
    static const std::vector<std::string> folder{"css"};
    const SiteReference target = ResolveSiteReference(reference, folder);
    if (target.kind != ReferenceKind::Local) {
        if (!target.parts.empty())
            std::abort();
        return;
    }
    for (const auto& part : target.parts)
        if (part.empty() || part == "." || part == "..")
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const bool stylesheet = input.ConsumeBool();
    const std::string text = input.ConsumeRemainingBytesAsString();
    const std::vector<std::string> references = stylesheet ? CssReferences(text) : HtmlReferences(text);
    for (const auto& reference : references) {
        // Each address is at most the text it came from (character references only shrink).
        if (reference.size() > text.size())
            std::abort();
        CheckResolved(reference);
    }
    return 0;
}
