#include "imagetools/ThumbnailText.h"

#include "imagetools/JpegSize.h"

#include <cctype>

namespace quorlex {

namespace {

bool IsLower(char c) { return std::islower(static_cast<unsigned char>(c)) != 0; }

// The reader's sentence as the end of "cannot read: ...": a capital that starts a word is
// lowered, an acronym ("JPEG file") is kept, and a final period goes.
std::string ReasonText(std::string message) {
    while (!message.empty() && (message.back() == '.' || std::isspace(static_cast<unsigned char>(message.back()))))
        message.pop_back();
    if (message.empty())
        return "cannot read";
    if (message.size() == 1 || IsLower(message[1]))
        message[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(message[0])));
    return "cannot read: " + message;
}

} // namespace

ThumbnailTexts DescribeThumbnail(const ThumbnailFacts& facts) {
    ThumbnailTexts texts;
    texts.caption = facts.name;
    if (facts.failure)
        texts.reason = ReasonText(*facts.failure);
    texts.toolTip = facts.name;
    if (facts.bytes)
        texts.toolTip += "\n" + FileSizeText(*facts.bytes);
    if (facts.pixels)
        texts.toolTip +=
            "\n" + std::to_string(facts.pixels->width) + " x " + std::to_string(facts.pixels->height) + " pixels";
    if (!texts.reason.empty())
        texts.toolTip += "\n" + texts.reason;
    return texts;
}

} // namespace quorlex
