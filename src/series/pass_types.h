// What the double arithmetic's vector passes share with the rest of the
// kernel. The passes are compiled once per instruction set, so only plain
// data and function pointers cross between them and the rest: no inline
// function here that a file for a wider instruction set could end up
// supplying to the others.
#pragma once

#include <cstdint>

#include "sample_sum.h"

namespace kelvaro {

// The log_norm table as the passes see it: entries 0 to filled are there;
// extend(reach, last) fills it through last (<= MAX_SUM) and updates filled.
struct LogNormReach {
  const double* entries;
  std::int64_t filled;
  void* table;
  void (*extend)(LogNormReach& reach, std::int64_t last);
};

// One sample's passes.
struct PassArgs {
  double v;          // ln((lambda x) / 4)
  double p_minus_q;  // P - Q of the sample
  double tol;
  // A term whose exponent L lies above surely_above is above tol, and one
  // whose L lies below surely_not_above is not (vector_walk.h says why).
  double surely_above;
  double surely_not_above;
  std::int32_t k_start;
  std::int32_t max_sum;
};

// The terms of one sample that are decided but not yet added: first their
// exponents, in visiting order; when it fills up, and at the end, they are
// exponentiated and added in that order to total. Whole vectors are
// exponentiated, so the values past count must be initialised (to anything).
// The passes reset count, total and all_finite for each sample.
struct TermBuffer {
  static constexpr int capacity = 256;
  // Room past capacity for the rest of a vector stored at the last place.
  static constexpr int widest_vector = 8;

  alignas(64) double values[capacity + widest_vector];
  int count;
  double total;
  // Whether every exponent queued for the sample so far is finite.
  bool all_finite;
};

// The passes for one instruction set.
struct VectorPasses {
  // Both passes of one sample: decides each from k_start (upward) and
  // k_start - 1 (downward), then exponentiates the terms and adds them in
  // visiting order. buffer is the sample's scratch space.
  SampleSum (*sum_sample)(const PassArgs& args, LogNormReach& log_norm,
                          TermBuffer& buffer);
  // values[j] = e^values[j] for finite values, NaN for the others, for
  // j < count; values has room for count rounded up to a whole
  // widest_vector, and what lies past count is overwritten.
  void (*exponentiate)(double* values, int count);
};

}  // namespace kelvaro
