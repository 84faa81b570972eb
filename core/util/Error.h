#pragma once

#include <stdexcept>
#include <string>

namespace quorlex {

// The one error type core throws. Its message is the text shown to the user.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

} // namespace quorlex
