// Menu tree text: parsed, written, and parsed again to the same tree.
#include "menus/MenuTreeText.h"
#include "util/Error.h"

#include <cstdint>
#include <cstdlib>

using namespace quorlex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    MenuTree tree;
    try {
        ParseMenuTree(tree, text);
    } catch (const Error&) {
        return 0;
    }
    MenuTree again;
    ParseMenuTree(again, MenuTreeToText(tree));
    if (again != tree)
        std::abort();
    return 0;
}
