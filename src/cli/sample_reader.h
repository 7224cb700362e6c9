// The sample file of kelvaro-run: one sample per line, "x lambda"
// separated by blanks or one comma; blank lines and lines whose first
// non-blank character is '#' are skipped.
#pragma once

#include <string_view>
#include <vector>

namespace kelvaro::cli {

struct Samples {
  std::vector<double> x;
  std::vector<double> lambda;
};

// Throws InputError naming the first bad line by its number, from 1.
Samples read_samples(std::string_view text);

}  // namespace kelvaro::cli
