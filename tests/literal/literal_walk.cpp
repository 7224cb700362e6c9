#include "literal_walk.h"

#include "host_text.h"

namespace kelvaro::literal {

void warn_max_sum_reached(std::int32_t i, const std::fenv_t& caller) {
  std::fenv_t own;
  std::fegetenv(&own);
  std::fesetenv(&caller);
  mexWarnMsgTxt(
      "adding up of infinite sum is stopped because MAX_SUM is reached at "
      "sample point:");
  mexPrintf("%d \n", static_cast<int>(i));
  std::fesetenv(&own);
}

}  // namespace kelvaro::literal
