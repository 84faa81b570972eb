#include "util/UserMessage.h"

#include "util/Error.h"

#include <new>

namespace quorlex {

std::string UserMessage(const std::exception& error) {
    if (dynamic_cast<const Error*>(&error))
        return error.what();
    if (dynamic_cast<const std::bad_alloc*>(&error))
        return "There is not enough memory to finish this operation.";
    return std::string("This operation failed: ") + error.what();
}

} // namespace quorlex
