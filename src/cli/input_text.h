// The whole sample text, read in one piece.
#pragma once

#include <string>

namespace kelvaro::cli {

// Reads the file, or standard input for an empty name or "-". Throws
// InputError when the file cannot be read.
std::string read_input(const std::string& file);

}  // namespace kelvaro::cli
