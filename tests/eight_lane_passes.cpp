// Compiled for AVX: GCC's generic 64-byte vectors become pairs of AVX
// operations, and the exponential is SLEEF's four-lane one on each half,
// which gives the bits of its eight-lane one.
#include "eight_lane_passes.h"

#include <immintrin.h>
#include <sleef.h>

#include <cstring>

#include "vector_passes.h"

namespace kelvaro::testing {
namespace {

typedef double Eight __attribute__((vector_size(64)));

struct EightLanes {
  using Vector = Eight;
  static constexpr int width = 8;
  static Vector broadcast(double a) { return Vector{} + a; }
  static Vector load(const double* p) {
    Vector a;
    std::memcpy(&a, p, sizeof a);
    return a;
  }
  static void store(double* p, Vector a) { std::memcpy(p, &a, sizeof a); }
  static Vector exp(Vector a) {
    __m256d halves[2];
    std::memcpy(halves, &a, sizeof a);
    halves[0] = Sleef_cinz_expd4_u10avx(halves[0]);
    halves[1] = Sleef_cinz_expd4_u10avx(halves[1]);
    std::memcpy(&a, halves, sizeof a);
    return a;
  }
  static Vector reverse(Vector a) {
    return __builtin_shufflevector(a, a, 7, 6, 5, 4, 3, 2, 1, 0);
  }
  template <class Comparison>
  static unsigned mask(Comparison lanes) {
    unsigned bits = 0;
    for (int j = 0; j < width; ++j) {
      bits |= static_cast<unsigned>(lanes[j] != 0) << j;
    }
    return bits;
  }
  static unsigned greater(Vector a, Vector b) { return mask(a > b); }
  static unsigned greater_equal(Vector a, Vector b) { return mask(a >= b); }
};

}  // namespace

const VectorPasses& eight_lane_passes() { return PassesOn<EightLanes>::table; }

}  // namespace kelvaro::testing
