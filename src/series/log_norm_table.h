// The per-call table log_norm[0..MAX_SUM]: entry 0 is log_norm0, entry j is
// entry j-1 plus ln((j - c) * j) with c = (df - 2) * (-0.5), each entry
// rounded to double and the next built on the stored value. One allocation
// per call; entries are filled in order only as far as the samples reach,
// which gives the same values as filling all of them first and spares a
// call with few samples and a huge MAX_SUM millions of logarithms.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>

namespace kelvaro {

template <class Arithmetic>
class LogNormTable {
 public:
  using Wide = typename Arithmetic::Wide;

  // Fails (returns false, allocates nothing) when MAX_SUM + 1 doubles cannot
  // be had or their size in bytes does not fit in size_t (32-bit hosts).
  bool allocate(std::int32_t max_sum) {
    const auto entries = static_cast<std::uint64_t>(max_sum) + 1;
    if (entries > std::numeric_limits<std::size_t>::max() / sizeof(double)) {
      return false;
    }
    entries_.reset(static_cast<double*>(
        std::malloc(static_cast<std::size_t>(entries) * sizeof(double))));
    return entries_ != nullptr;
  }

  void start(double log_norm0, double df) {
    entries_[0] = log_norm0;
    filled_to_ = 0;
    offset_ = Arithmetic::log_norm_offset(df);
  }

  // The table, with entries 0 to last (last <= MAX_SUM) filled.
  const double* filled_through(std::int64_t last) {
    if (last > filled_to_) fill_to(last);
    return entries_.get();
  }

 private:
  void fill_to(std::int64_t k) {
    double* entry = entries_.get();
    for (std::int64_t j = filled_to_ + 1; j <= k; ++j) {
      entry[j] = Arithmetic::next_log_norm(entry[j - 1], j, offset_);
    }
    filled_to_ = k;
  }

  struct Free {
    void operator()(double* p) const { std::free(p); }
  };
  std::unique_ptr<double[], Free> entries_;
  std::int64_t filled_to_ = 0;
  Wide offset_{};
};

}  // namespace kelvaro
