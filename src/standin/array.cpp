#include "array.h"

#include <stdexcept>
#include <utility>

#include "array_storage.h"

namespace kelvaro::standin {
namespace {

void check_shape(const ArrayContents& contents) {
  const std::size_t element_count =
      contents.array_class == ArrayClass::cell_class
          ? 0
          : contents.rows * contents.cols;
  if (contents.real.size() != element_count) {
    throw std::invalid_argument("array values do not match its shape");
  }
  if (!contents.imag.empty() && contents.imag.size() != element_count) {
    throw std::invalid_argument("imaginary parts do not match the real parts");
  }
}

}  // namespace

ArrayContents::ArrayContents(ArrayClass array_class, std::size_t rows,
                             std::size_t cols, std::vector<double> real,
                             std::vector<double> imag, bool sparse)
    : array_class(array_class),
      rows(rows),
      cols(cols),
      real(std::move(real)),
      imag(std::move(imag)),
      sparse(sparse) {}

void ArrayDeleter::operator()(mxArray* array) const { delete array; }

Array make_array(ArrayContents contents) {
  check_shape(contents);
  return Array(new mxArray{std::move(contents)});
}

Array make_matrix(std::size_t rows, std::size_t cols,
                  std::vector<double> real) {
  return make_array({ArrayClass::double_class, rows, cols, std::move(real)});
}

Array make_scalar(double value) { return make_matrix(1, 1, {value}); }

Array make_string(std::string_view text) {
  return make_array({ArrayClass::char_class, 1, text.size(),
                     std::vector<double>(text.begin(), text.end())});
}

const ArrayContents& contents_of(const mxArray* array) {
  return array->contents;
}

}  // namespace kelvaro::standin
