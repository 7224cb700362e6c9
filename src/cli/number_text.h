// Doubles as text, read and written without locale or stream overhead so
// that millions of samples pass through quickly.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>

namespace kelvaro::cli {

// Reads the whole text as one double the way std::from_chars does
// ("inf" and "nan" included), also accepting a leading '+'. Returns
// nullptr on success, otherwise why the text is not a double.
const char* read_number(std::string_view text, double& value);

// Writes one value per line, each in the shortest form that reads back to
// the same double.
void write_number_lines(const double* values, std::size_t count,
                        std::FILE* stream);

}  // namespace kelvaro::cli
