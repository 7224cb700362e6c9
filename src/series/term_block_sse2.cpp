// Two terms per vector (the x86-64 baseline).
#include <emmintrin.h>
#include <sleef.h>

#include "simd_term_block.h"

namespace kelvaro {

void sse2_terms(const TermBlock& block, double* terms) {
  simd_terms<__m128d>(block, terms, [](__m128d exponent) {
    return Sleef_cinz_expd2_u10sse2(exponent);
  });
}

}  // namespace kelvaro
