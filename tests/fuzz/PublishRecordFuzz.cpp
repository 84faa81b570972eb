// The publish record a server hands back: read, written and read again to the same record, and
// no name in it leaves the remote folder.
#include "publish/Manifest.h"
#include "publish/RemotePath.h"
#include "util/Error.h"

#include <cstdint>
#include <cstdlib>

using namespace quorlex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Manifest record;
    try {
        record = ParseManifest(text);
    } catch (const Error&) {
        return 0;
    }
    for (const auto& [name, entry] : record)
        if (RemoteNameRefusal(name))
            std::abort();
    if (ParseManifest(ManifestText(record)) != record)
        std::abort();
    return 0;
}
