#include "argument_checks.h"

#include <limits>

namespace kelvaro {
namespace {

constexpr int kInputCount = 6;
constexpr int kMaxOutputCount = 2;
constexpr int kFirstScalarInput = 2;
constexpr mwSize kMaxSampleCount = std::numeric_limits<std::int32_t>::max();

bool is_real_full_double(const mxArray* array) {
  return mxIsDouble(array) && !mxIsComplex(array) && !mxIsSparse(array);
}

bool is_real_scalar(const mxArray* array) {
  return (mxIsNumeric(array) || mxIsLogical(array)) && !mxIsComplex(array) &&
         mxGetNumberOfElements(array) == 1;
}

}  // namespace

const Refusal* find_argument_fault(int nlhs, int nrhs,
                                   const mxArray* const prhs[]) {
  if (nrhs < kInputCount) return &refusals::input_count;
  if (nlhs > kMaxOutputCount) return &refusals::output_count;

  const mxArray* x = prhs[0];
  const mxArray* lambda = prhs[1];
  if (!is_real_full_double(x)) return &refusals::x_type;
  const mwSize sample_count = mxGetM(x);
  if (sample_count > kMaxSampleCount) return &refusals::too_many_samples;
  if (mxGetNumberOfElements(x) < sample_count) return &refusals::x_size;
  if (!is_real_full_double(lambda)) return &refusals::lambda_type;
  if (mxGetNumberOfElements(lambda) < sample_count) {
    return &refusals::lambda_size;
  }

  for (int input = kFirstScalarInput; input < kInputCount; ++input) {
    if (!is_real_scalar(prhs[input])) {
      return &refusals::scalar_type[input - kFirstScalarInput];
    }
  }
  return nullptr;
}

std::optional<std::int32_t> truncate_max_sum(double value) {
  // Range first, so that the cast below only ever truncates a value that
  // fits; the comparisons are false for NaN. The cast truncates toward
  // zero whatever the rounding mode, and leaves the mode alone.
  constexpr double kAboveLargest = 2147483648.0;
  if (!(value > -1.0 && value < kAboveLargest)) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

}  // namespace kelvaro
