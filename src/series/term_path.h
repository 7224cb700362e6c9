// Which instruction set runs the double arithmetic's passes. Every path
// gives the same bits (the same operations in double, and SLEEF's
// deterministic exponential in each width); they differ only in speed. The
// scalar path walks one term at a time, with the same exponential on one
// lane.
#pragma once

#include "pass_types.h"

namespace kelvaro {

enum class TermPath { scalar, sse2, avx, avx512 };

inline constexpr TermPath all_term_paths[] = {TermPath::scalar, TermPath::sse2,
                                              TermPath::avx, TermPath::avx512};

const char* term_path_name(TermPath path);

// Whether this build has the path and this processor (and its operating
// system) can run it.
bool term_path_available(TermPath path);

// The widest available path, asked of the processor on every call.
TermPath fastest_term_path();

// The vector passes of an available path; nullptr for the scalar one.
const VectorPasses* vector_passes(TermPath path);

#if KELVARO_SIMD_TERMS
const VectorPasses& sse2_passes();
const VectorPasses& avx_passes();
const VectorPasses& avx512_passes();
#endif

}  // namespace kelvaro
