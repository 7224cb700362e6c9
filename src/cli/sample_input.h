// The sample input of kelvaro-run, read in pieces as it arrives.
#pragma once

#include <string>

#include "sample_reader.h"

namespace kelvaro::cli {

// Reads the samples of the file, or of standard input for an empty name or
// "-". Throws InputError when the file cannot be read or a line is bad.
Samples read_sample_input(const std::string& file);

}  // namespace kelvaro::cli
