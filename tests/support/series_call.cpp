#include "series_call.h"

#include <cstdlib>
#include <limits>

#include "host_messages.h"
#include "series_variants.h"

namespace kelvaro::testing {

std::vector<ArithmeticVariant> arithmetic_variants() {
  std::vector<ArithmeticVariant> variants{double_variant()};
#if KELVARO_HAS_EXTENDED
  variants.push_back(extended_variant());
#endif
  return variants;
}

const ArithmeticVariant& double_variant() {
  static const ArithmeticVariant variant{"double", evaluate_series_double};
  return variant;
}

#if KELVARO_HAS_EXTENDED
const ArithmeticVariant& extended_variant() {
  static const ArithmeticVariant variant{"extended", evaluate_series_extended};
  return variant;
}
#endif

SeriesOutcome run_series(const ArithmeticVariant& variant,
                         const SeriesCall& call) {
  standin::take_messages();
  // A value no evaluation produces, to see which elements were written.
  std::vector<double> density(call.x.size(), -12345.0);
  const SeriesStatus status = variant.evaluate(
      call.x.data(), call.lambda.data(), call.df, density.data(), call.max_sum,
      static_cast<std::int32_t>(call.x.size()), call.tol, call.log_norm0);
  return {status, density, standin::take_messages()};
}

}  // namespace kelvaro::testing
