// Four lanes. Compiled for AVX alone (no FMA, no AVX2) and called only where
// the processor has it.
#include <immintrin.h>
#include <sleef.h>

#include "term_path.h"
#include "vector_passes.h"

namespace kelvaro {
namespace {

struct AvxLanes {
  using Vector = __m256d;
  static constexpr int width = 4;
  static Vector broadcast(double a) { return _mm256_set1_pd(a); }
  static Vector load(const double* p) { return _mm256_loadu_pd(p); }
  static void store(double* p, Vector a) { _mm256_storeu_pd(p, a); }
  static Vector exp(Vector a) { return Sleef_cinz_expd4_u10avx(a); }
  static Vector reverse(Vector a) {
    const Vector halves_swapped = _mm256_permute2f128_pd(a, a, 1);
    return _mm256_permute_pd(halves_swapped, 0b0101);
  }
  static unsigned greater(Vector a, Vector b) {
    return static_cast<unsigned>(
        _mm256_movemask_pd(_mm256_cmp_pd(a, b, _CMP_GT_OQ)));
  }
  static unsigned greater_equal(Vector a, Vector b) {
    return static_cast<unsigned>(
        _mm256_movemask_pd(_mm256_cmp_pd(a, b, _CMP_GE_OQ)));
  }
};

}  // namespace

const VectorPasses& avx_passes() { return PassesOn<AvxLanes>::table; }

}  // namespace kelvaro
