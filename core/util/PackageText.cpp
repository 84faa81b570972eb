#include "util/PackageText.h"

#include "util/Error.h"
#include "util/NativeNames.h"
#include "util/TextFile.h"

namespace quorlex {

DecodedText ReadPageText(const fs::path& file) {
    const std::string bytes = ReadFileBytes(file);
    TextEncoding encoding;
    try {
        encoding = PageEncoding(bytes);
    } catch (const Error& cause) {
        throw Error("\"" + PathToProgramText(file) + "\": " + cause.what());
    }
    return {NormalizeLineEnds(DecodeText(bytes, encoding)), encoding};
}

DecodedText ReadStyleSheetText(const fs::path& file, TextEncoding page) {
    const std::string bytes = ReadFileBytes(file);
    const TextEncoding encoding = StyleSheetEncoding(bytes, page);
    return {NormalizeLineEnds(DecodeText(bytes, encoding)), encoding};
}

std::string ReadPackageText(const fs::path& file) {
    const std::string bytes = ReadFileBytes(file);
    return NormalizeLineEnds(DecodeText(bytes, DetectEncoding(bytes)));
}

std::vector<std::string> ReadTextLines(const fs::path& file) {
    const std::string bytes = ReadFileBytes(file);
    return SplitLines(DecodeText(bytes, DetectEncoding(bytes)));
}

} // namespace quorlex
