#pragma once

#include <exception>
#include <string>

namespace quorlex {

// The text shown to the user for an exception that ends an operation.
std::string UserMessage(const std::exception& error);

} // namespace quorlex
