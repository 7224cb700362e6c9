// Two lanes (the x86-64 baseline).
#include <emmintrin.h>
#include <sleef.h>

#include "term_path.h"
#include "vector_passes.h"

namespace kelvaro {
namespace {

struct Sse2Lanes {
  using Vector = __m128d;
  static constexpr int width = 2;
  static Vector broadcast(double a) { return _mm_set1_pd(a); }
  static Vector load(const double* p) { return _mm_loadu_pd(p); }
  static void store(double* p, Vector a) { _mm_storeu_pd(p, a); }
  static Vector exp(Vector a) { return Sleef_cinz_expd2_u10sse2(a); }
  static Vector reverse(Vector a) { return _mm_shuffle_pd(a, a, 1); }
  static unsigned greater(Vector a, Vector b) {
    return static_cast<unsigned>(_mm_movemask_pd(_mm_cmpgt_pd(a, b)));
  }
  static unsigned greater_equal(Vector a, Vector b) {
    return static_cast<unsigned>(_mm_movemask_pd(_mm_cmpge_pd(a, b)));
  }
};

}  // namespace

const VectorPasses& sse2_passes() { return PassesOn<Sse2Lanes>::table; }

}  // namespace kelvaro
