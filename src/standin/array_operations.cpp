// The host's array operations on the stand-in's arrays.
#include <memory>

#include "array_storage.h"
#include "call_record.h"
#include "mex_api.h"

using kelvaro::standin::ArrayClass;

extern "C" double* mxGetPr(const mxArray* array) {
  // The host hands out writable storage from a read-only handle.
  return const_cast<double*>(array->contents.real.data());
}

// The first element, as the host gives it; 0 for an empty array. The
// stand-in keeps sparse arrays dense, so a sparse scalar reads the same.
extern "C" double mxGetScalar(const mxArray* array) {
  const auto& real = array->contents.real;
  return real.empty() ? 0.0 : real.front();
}

extern "C" mwSize mxGetM(const mxArray* array) { return array->contents.rows; }

extern "C" mwSize mxGetNumberOfElements(const mxArray* array) {
  return array->contents.rows * array->contents.cols;
}

extern "C" mxArray* mxCreateDoubleMatrix(mwSize rows, mwSize cols,
                                         mxComplexity complexity) {
  kelvaro::standin::ArrayContents contents{ArrayClass::double_class, rows, cols,
                                           std::vector<double>(rows * cols)};
  if (complexity == mxCOMPLEX) contents.imag.resize(rows * cols);
  auto& created = kelvaro::standin::current_call().created_arrays;
  created.push_back(std::make_unique<mxArray>(mxArray{std::move(contents)}));
  return created.back().get();
}

extern "C" bool mxIsDouble(const mxArray* array) {
  return array->contents.array_class == ArrayClass::double_class;
}

extern "C" bool mxIsComplex(const mxArray* array) {
  return !array->contents.imag.empty();
}

extern "C" bool mxIsSparse(const mxArray* array) {
  return array->contents.sparse;
}

extern "C" bool mxIsNumeric(const mxArray* array) {
  switch (array->contents.array_class) {
    case ArrayClass::double_class:
    case ArrayClass::single_class:
    case ArrayClass::int32_class:
      return true;
    case ArrayClass::logical_class:
    case ArrayClass::char_class:
    case ArrayClass::cell_class:
      return false;
  }
  return false;
}

extern "C" bool mxIsLogical(const mxArray* array) {
  return array->contents.array_class == ArrayClass::logical_class;
}
