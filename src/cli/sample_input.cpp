#include "sample_input.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string_view>
#include <system_error>
#include <vector>

#include "input_error.h"

namespace kelvaro::cli {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

[[noreturn]] void refuse_file(const std::string& name) {
  throw InputError("cannot read " + name + ": " + std::strerror(errno));
}

// Room for the samples of a file of `size` bytes, from the line length of
// its first piece, with a tenth more for lines that run longer.
std::size_t expected_samples(std::uintmax_t size, std::string_view piece) {
  const auto lines =
      static_cast<double>(std::count(piece.begin(), piece.end(), '\n')) + 1;
  const double bytes_per_line = static_cast<double>(piece.size()) / lines;
  return static_cast<std::size_t>(1.1 * static_cast<double>(size) /
                                  bytes_per_line) +
         1;
}

// The stream in pieces of whole lines, with no copy of the whole text: a
// line that runs on past a piece starts the next one, and the buffer grows
// for a line longer than itself. size, when not 0, is the stream's size in
// bytes, for the room of the samples. A read error is refused before the
// text read so far is taken as complete.
Samples read_stream(std::FILE* stream, std::uintmax_t size,
                    const std::string& name) {
  SampleReader reader;
  std::vector<char> buffer(std::size_t{1} << 16);
  std::size_t kept = 0;
  bool first_piece = true;
  for (;;) {
    const std::size_t count =
        std::fread(buffer.data() + kept, 1, buffer.size() - kept, stream);
    const std::string_view text(buffer.data(), kept + count);
    if (count == 0) {
      if (std::ferror(stream)) refuse_file(name);
      reader.read_lines(text);
      return reader.take();
    }
    const std::size_t last_end = text.rfind('\n');
    if (last_end == std::string_view::npos) {
      kept = text.size();
      if (kept == buffer.size()) buffer.resize(2 * buffer.size());
      continue;
    }
    const std::string_view lines = text.substr(0, last_end + 1);
    if (first_piece && size != 0) reader.expect(expected_samples(size, lines));
    first_piece = false;
    reader.read_lines(lines);
    kept = text.size() - lines.size();
    std::memmove(buffer.data(), buffer.data() + lines.size(), kept);
  }
}

}  // namespace

Samples read_sample_input(const std::string& file) {
  if (file.empty() || file == "-") {
    return read_stream(stdin, 0, "standard input");
  }
  const std::string name = "'" + file + "'";
  const std::unique_ptr<std::FILE, FileCloser> stream(
      std::fopen(file.c_str(), "rb"));
  if (!stream) refuse_file(name);
  std::error_code unknown_size;
  const auto size = std::filesystem::file_size(file, unknown_size);
  return read_stream(stream.get(), unknown_size ? 0 : size, name);
}

}  // namespace kelvaro::cli
