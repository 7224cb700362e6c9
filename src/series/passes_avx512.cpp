// Eight lanes. Compiled for AVX-512F and called only where the processor has
// it; SLEEF's no-FMA build keeps its bits those of the others.
#include <immintrin.h>
#include <sleef.h>

#include "term_path.h"
#include "vector_passes.h"

namespace kelvaro {
namespace {

struct Avx512Lanes {
  using Vector = __m512d;
  static constexpr int width = 8;
  static Vector broadcast(double a) { return _mm512_set1_pd(a); }
  static Vector load(const double* p) { return _mm512_loadu_pd(p); }
  static void store(double* p, Vector a) { _mm512_storeu_pd(p, a); }
  static Vector exp(Vector a) { return Sleef_cinz_expd8_u10avx512fnofma(a); }
  // The masked form with every lane selected: the unmasked one starts from
  // an undefined vector, which GCC 12 warns about.
  static Vector reverse(Vector a) {
    const __m512i backwards = _mm512_set_epi64(0, 1, 2, 3, 4, 5, 6, 7);
    return _mm512_mask_permutexvar_pd(a, 0xFF, backwards, a);
  }
  static unsigned greater(Vector a, Vector b) {
    return _mm512_cmp_pd_mask(a, b, _CMP_GT_OQ);
  }
  static unsigned greater_equal(Vector a, Vector b) {
    return _mm512_cmp_pd_mask(a, b, _CMP_GE_OQ);
  }
};

}  // namespace

const VectorPasses& avx512_passes() { return PassesOn<Avx512Lanes>::table; }

}  // namespace kelvaro
