#include "exponential.h"

#if KELVARO_SIMD_TERMS
#include <emmintrin.h>
#include <sleef.h>
#else
#include <cmath>
#endif

namespace kelvaro {

double exponential(double a) {
#if KELVARO_SIMD_TERMS
  // The SSE2 build on one lane; the other lane holds e^0 and is dropped.
  return _mm_cvtsd_f64(Sleef_cinz_expd2_u10sse2(_mm_set_sd(a)));
#else
  return std::exp(a);
#endif
}

}  // namespace kelvaro
