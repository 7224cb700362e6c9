#include "input_text.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

#include "input_error.h"

namespace kelvaro::cli {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// The size hint saves regrowing the text while a large file is read.
std::string read_all(std::FILE* stream, std::size_t size_hint) {
  std::string text;
  text.reserve(size_hint);
  char buffer[1 << 16];
  std::size_t count = 0;
  while ((count = std::fread(buffer, 1, sizeof buffer, stream)) > 0) {
    text.append(buffer, count);
  }
  return text;
}

[[noreturn]] void refuse_file(const std::string& file) {
  throw InputError("cannot read '" + file + "': " + std::strerror(errno));
}

}  // namespace

std::string read_input(const std::string& file) {
  if (file.empty() || file == "-") return read_all(stdin, 0);
  const std::unique_ptr<std::FILE, FileCloser> stream(
      std::fopen(file.c_str(), "rb"));
  if (!stream) refuse_file(file);
  std::error_code unknown_size;
  const auto size = std::filesystem::file_size(file, unknown_size);
  std::string text =
      read_all(stream.get(), unknown_size ? 0 : static_cast<std::size_t>(size));
  if (std::ferror(stream.get())) refuse_file(file);
  return text;
}

}  // namespace kelvaro::cli
