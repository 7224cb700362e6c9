// Eight terms per vector. Compiled for AVX-512F and called only where the
// processor has it; SLEEF's no-FMA build keeps its bits those of the others.
#include <immintrin.h>
#include <sleef.h>

#include "simd_term_block.h"

namespace kelvaro {

void avx512_terms(const TermBlock& block, double* terms) {
  simd_terms<__m512d>(block, terms, [](__m512d exponent) {
    return Sleef_cinz_expd8_u10avx512fnofma(exponent);
  });
}

}  // namespace kelvaro
