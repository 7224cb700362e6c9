// Host arrays of the stand-in host, made by tests and by kelvaro-run to
// stand for what a caller passes to the module.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "mex_api.h"

namespace kelvaro::standin {

// The classes a caller can pass, as far as the module tells them apart.
enum class ArrayClass {
  double_class,
  single_class,
  int32_class,
  logical_class,
  char_class,
  cell_class,
};

struct ArrayContents {
  ArrayContents() = default;
  ArrayContents(ArrayClass array_class, std::size_t rows, std::size_t cols,
                std::vector<double> real, std::vector<double> imag = {},
                bool sparse = false);

  ArrayClass array_class = ArrayClass::double_class;
  std::size_t rows = 0;
  std::size_t cols = 0;
  // rows * cols values in column-major storage order, whatever the class
  // (character codes for char arrays); empty for cell arrays.
  std::vector<double> real;
  // Empty for a real array, otherwise as many values as real.
  std::vector<double> imag;
  bool sparse = false;
};

struct ArrayDeleter {
  void operator()(mxArray* array) const;
};
using Array = std::unique_ptr<mxArray, ArrayDeleter>;

// Throws std::invalid_argument when the values do not fit the shape.
Array make_array(ArrayContents contents);
Array make_matrix(std::size_t rows, std::size_t cols, std::vector<double> real);
Array make_scalar(double value);
Array make_string(std::string_view text);

// What an array holds, for callers that inspect the module's outputs.
const ArrayContents& contents_of(const mxArray* array);

}  // namespace kelvaro::standin
