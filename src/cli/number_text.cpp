#include "number_text.h"

#include <charconv>
#include <system_error>

namespace kelvaro::cli {
namespace {

// Longest shortest-form double, e.g. "-2.2250738585072014e-308", and a
// line break.
constexpr std::size_t kMaxLineLength = 32;

}  // namespace

const char* read_number(std::string_view text, double& value) {
  if (text.size() > 1 && text.front() == '+' && text[1] != '-' &&
      text[1] != '+') {
    text.remove_prefix(1);
  }
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error == std::errc::result_out_of_range) {
    return "is out of the range of a double";
  }
  if (error != std::errc() || stop != end) return "is not a number";
  return nullptr;
}

void write_number_lines(const double* values, std::size_t count,
                        std::FILE* stream) {
  // Written in blocks: a million lines need no text of their own in memory.
  char block[1 << 16];
  char* out = block;
  char* const block_end = block + sizeof block;
  for (std::size_t i = 0; i < count; ++i) {
    if (block_end - out < static_cast<std::ptrdiff_t>(kMaxLineLength)) {
      std::fwrite(block, 1, static_cast<std::size_t>(out - block), stream);
      out = block;
    }
    out = std::to_chars(out, block_end, values[i]).ptr;
    *out++ = '\n';
  }
  std::fwrite(block, 1, static_cast<std::size_t>(out - block), stream);
}

}  // namespace kelvaro::cli
