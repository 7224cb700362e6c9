// Four terms per vector. Compiled for AVX alone (no FMA, no AVX2) and called
// only where the processor has it.
#include <immintrin.h>
#include <sleef.h>

#include "simd_term_block.h"

namespace kelvaro {

void avx_terms(const TermBlock& block, double* terms) {
  simd_terms<__m256d>(block, terms, [](__m256d exponent) {
    return Sleef_cinz_expd4_u10avx(exponent);
  });
}

}  // namespace kelvaro
