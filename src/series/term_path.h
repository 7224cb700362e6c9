// Which instruction set computes the double arithmetic's term blocks. Every
// path gives the same bits (the same operations in double, and SLEEF's
// deterministic exponential in each width); they differ only in how many
// terms one block holds and how fast it is.
#pragma once

#include "term_block.h"

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

// Terms per block: enough for the block to hide the exponential's latency,
// few enough that the terms computed past a pass's stop cost little.
int term_block_size(TermPath path);

// terms must have room for term_block_size(path) values.
void compute_terms(TermPath path, const TermBlock& block, double* terms);

}  // namespace kelvaro
