// Helpers for tests that call the module through the stand-in host.
#pragma once

#include <cstring>
#include <utility>
#include <vector>

#include "array.h"
#include "mex_api.h"

namespace kelvaro::testing {

// Equal to the last bit, NaN payloads included.
inline bool same_bits(const std::vector<double>& left,
                      const std::vector<double>& right) {
  return left.size() == right.size() &&
         (left.empty() || std::memcmp(left.data(), right.data(),
                                      left.size() * sizeof(double)) == 0);
}

// The six inputs of a call: x and lambda as columns, the others as double
// scalars.
inline std::vector<standin::Array> column_inputs(std::vector<double> x,
                                                 std::vector<double> lambda,
                                                 double df, double max_sum,
                                                 double tol, double log_norm0) {
  std::vector<standin::Array> inputs;
  const std::size_t x_rows = x.size();
  const std::size_t lambda_rows = lambda.size();
  inputs.push_back(standin::make_matrix(x_rows, 1, std::move(x)));
  inputs.push_back(standin::make_matrix(lambda_rows, 1, std::move(lambda)));
  for (const double value : {df, max_sum, tol, log_norm0}) {
    inputs.push_back(standin::make_scalar(value));
  }
  return inputs;
}

inline std::vector<const mxArray*> handles_of(
    const std::vector<standin::Array>& arrays) {
  std::vector<const mxArray*> handles;
  for (const standin::Array& array : arrays) handles.push_back(array.get());
  return handles;
}

}  // namespace kelvaro::testing
