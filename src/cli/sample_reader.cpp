#include "sample_reader.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <new>
#include <stdexcept>
#include <string>
#include <system_error>

#include "input_error.h"
#include "number_text.h"

namespace kelvaro::cli {
namespace {

// Character tests instead of find_first_of, which searches the set of
// blanks once per character and dominates reading a large file.
bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

bool ends_field(char c) { return is_blank(c) || c == ','; }

std::string_view trim_blanks(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}

// Removes and returns the leading field: everything up to a blank or comma.
std::string_view take_field(std::string_view& text) {
  const auto end = std::find_if(text.begin(), text.end(), ends_field);
  const std::string_view field =
      text.substr(0, static_cast<std::size_t>(end - text.begin()));
  text.remove_prefix(field.size());
  return field;
}

// Removes the separator between the two numbers: blanks, at most one comma.
void skip_separator(std::string_view& text) {
  text = trim_blanks(text);
  if (!text.empty() && text.front() == ',') {
    text.remove_prefix(1);
    text = trim_blanks(text);
  }
}

[[noreturn]] void refuse_line(std::size_t line_number,
                              const std::string& problem) {
  throw InputError("line " + std::to_string(line_number) + ": " + problem);
}

double read_field(std::string_view field, std::size_t line_number) {
  double value = 0.0;
  if (const char* problem = read_number(field, value)) {
    refuse_line(line_number, "'" + std::string(field) + "' " + problem);
  }
  return value;
}

// The common line, two plain numbers, read without finding the fields
// first: from_chars tells where each number ends, and the line is taken
// only if that is where its field ends. Any other line (a '+' sign, a
// malformed number) returns false for read_line to read and word the
// refusal.
bool read_plain_line(std::string_view line, Samples& samples) {
  const char* const end = line.data() + line.size();
  double x = 0.0;
  const auto [after_x, x_error] = std::from_chars(line.data(), end, x);
  if (x_error != std::errc() || after_x == end || !ends_field(*after_x)) {
    return false;
  }
  std::string_view rest(after_x, static_cast<std::size_t>(end - after_x));
  skip_separator(rest);
  double lambda = 0.0;
  const auto [after_lambda, lambda_error] =
      std::from_chars(rest.data(), end, lambda);
  if (lambda_error != std::errc() || rest.empty() || after_lambda != end) {
    return false;
  }
  samples.x.push_back(x);
  samples.lambda.push_back(lambda);
  return true;
}

void read_line(std::string_view line, std::size_t line_number,
               Samples& samples) {
  line = trim_blanks(line);
  if (line.empty() || line.front() == '#') return;
  if (read_plain_line(line, samples)) return;
  const std::string_view x = take_field(line);
  skip_separator(line);
  const std::string_view lambda = take_field(line);
  if (x.empty() || lambda.empty() || !line.empty()) {
    refuse_line(line_number,
                "expected two numbers 'x lambda' separated by blanks or one "
                "comma");
  }
  samples.x.push_back(read_field(x, line_number));
  samples.lambda.push_back(read_field(lambda, line_number));
}

}  // namespace

void SampleReader::expect(std::size_t samples) {
  // Only a hint: without the room, the vectors grow as the samples come.
  try {
    samples_.x.reserve(samples);
    samples_.lambda.reserve(samples);
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
}

void SampleReader::read_lines(std::string_view text) {
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    read_line(text.substr(0, end), ++lines_read_, samples_);
    text.remove_prefix(std::min(end + 1, text.size()));
  }
}

Samples read_samples(std::string_view text) {
  SampleReader reader;
  reader.expect(
      static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
  reader.read_lines(text);
  return reader.take();
}

}  // namespace kelvaro::cli
