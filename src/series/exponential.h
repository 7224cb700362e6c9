// The exponential of the double arithmetic, one value at a time. On x86-64
// it is SLEEF's deterministic no-FMA exponential (Sleef_cinz_expd*_u10*,
// error at most 1.0 ulp), whose SSE2, AVX and AVX-512 builds return the
// same bits for every input, so the SIMD term paths and this one-lane call
// agree to the last bit. Elsewhere it is the C library's exp (no SIMD paths
// exist there to agree with). Finite or not, the input is passed as it is:
// the caller decides what a non-finite exponent means.
#pragma once

namespace kelvaro {

double exponential(double a);

}  // namespace kelvaro
