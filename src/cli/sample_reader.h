// The sample file of kelvaro-run: one sample per line, "x lambda"
// separated by blanks or one comma; blank lines and lines whose first
// non-blank character is '#' are skipped.
#pragma once

#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

namespace kelvaro::cli {

struct Samples {
  std::vector<double> x;
  std::vector<double> lambda;
};

// Reads a text given in pieces that each end at a line end, but for the
// last, which may end without one. Throws InputError naming the first bad
// line by its number, from 1.
class SampleReader {
 public:
  // Room for this many samples, a hint.
  void expect(std::size_t samples);
  void read_lines(std::string_view text);
  Samples take() { return std::move(samples_); }

 private:
  Samples samples_;
  std::size_t lines_read_ = 0;
};

// The samples of a whole text.
Samples read_samples(std::string_view text);

}  // namespace kelvaro::cli
