#include <cstdint>
#include <optional>

#include "argument_checks.h"
#include "evaluate_series.h"
#include "mex_api.h"
#include "refusals.h"

namespace {

// The host reads the message as a printf format, so the text goes through
// "%s" whatever it contains.
[[noreturn]] void refuse(const kelvaro::Refusal& refusal) {
  mexErrMsgIdAndTxt(refusal.identifier, "%s", refusal.message);
}

}  // namespace

// Nothing alive in this function has a destructor, because the host's
// error service may leave it without unwinding the stack. Every refusal
// comes before the outputs exist, except a kernel table that cannot be
// allocated; the host frees the outputs of a call it stops.
extern "C" void mexFunction(int nlhs, mxArray* plhs[], int nrhs,
                            const mxArray* prhs[]) {
  if (const kelvaro::Refusal* fault =
          kelvaro::find_argument_fault(nlhs, nrhs, prhs)) {
    refuse(*fault);
  }

  const double* x = mxGetPr(prhs[0]);
  const double* lambda = mxGetPr(prhs[1]);
  const double df = mxGetScalar(prhs[2]);
  const std::optional<std::int32_t> max_sum =
      kelvaro::truncate_max_sum(mxGetScalar(prhs[3]));
  if (!max_sum) refuse(kelvaro::refusals::max_sum_range);
  const double tol = mxGetScalar(prhs[4]);
  const double log_norm0 = mxGetScalar(prhs[5]);
  // find_argument_fault has kept the row count within 32 bits.
  const mwSize rows = mxGetM(prhs[0]);
  const auto sample_count = static_cast<std::int32_t>(rows);

  plhs[0] = mxCreateDoubleMatrix(rows, 1, mxREAL);
  double* density = mxGetPr(plhs[0]);
  // A caller asking for fewer than two outputs gives a single slot.
  if (nlhs >= 2) plhs[1] = mxCreateDoubleMatrix(rows, 1, mxREAL);

  if (kelvaro::evaluate_series(x, lambda, df, density, *max_sum, sample_count,
                               tol, log_norm0) ==
      kelvaro::SeriesStatus::out_of_memory) {
    refuse(kelvaro::refusals::out_of_memory);
  }
}
