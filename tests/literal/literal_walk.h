// What both literal arithmetics share: the start index and the two passes
// of one sample, written out as documented.
#pragma once

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <vector>

namespace kelvaro::literal {

// Saves the caller's floating-point environment, installs the
// arithmetic's own, and gives the caller's back at the end of the call.
class CallerEnvironment {
 public:
  explicit CallerEnvironment(void (*enter_own)()) {
    std::fegetenv(&saved_);
    enter_own();
  }
  ~CallerEnvironment() { std::fesetenv(&saved_); }
  CallerEnvironment(const CallerEnvironment&) = delete;
  CallerEnvironment& operator=(const CallerEnvironment&) = delete;
  const std::fenv_t& saved() const { return saved_; }

 private:
  std::fenv_t saved_;
};

// The whole log_norm table for MAX_SUM (a negative one counts as 0):
// entry 0 is log_norm0, entry j is next(entry j - 1, j).
template <class NextEntry>
std::vector<double> log_norm_table(std::int32_t MAX_SUM, double log_norm0,
                                   NextEntry next) {
  std::vector<double> table(MAX_SUM < 0 ? 1 : std::size_t(MAX_SUM) + 1);
  table[0] = log_norm0;
  for (std::size_t j = 1; j < table.size(); ++j) {
    table[j] = next(table[j - 1], static_cast<std::int32_t>(j));
  }
  return table;
}

// ceil(E) clamped to [0, MAX_SUM]; NaN gives 0.
inline std::int32_t start_index(double estimate, std::int32_t max_sum) {
  const double ceiling = std::ceil(estimate);
  if (std::isnan(ceiling) || ceiling < 0) return 0;
  if (ceiling >= static_cast<double>(max_sum)) return max_sum;
  return static_cast<std::int32_t>(ceiling);
}

// The MAX_SUM warning for sample i, issued in the caller's environment.
void warn_max_sum_reached(std::int32_t i, const std::fenv_t& caller);

// density = the terms from k_start upward, then from k_start - 1 downward,
// each pass until a term is not above tol; term(k) gives t(k) and add(s, t)
// the stored sum. Issues the warning when the upward pass reached MAX_SUM.
template <class Wide, class Term, class Add>
void sum_both_passes(std::int32_t i, std::int32_t k_start, std::int32_t max_sum,
                     double tol, double two_tol, const std::fenv_t& caller,
                     double& density, Term term, Add add) {
  density = 0.0;
  std::int64_t k = k_start;
  Wide previous = two_tol;
  while (previous > tol && k <= max_sum) {
    previous = term(static_cast<std::int32_t>(k));
    density = add(density, previous);
    ++k;
  }
  if (k - 1 == max_sum) warn_max_sum_reached(i, caller);
  k = std::int64_t{k_start} - 1;
  previous = two_tol;
  while (previous > tol && k >= 0) {
    previous = term(static_cast<std::int32_t>(k));
    density = add(density, previous);
    --k;
  }
}

}  // namespace kelvaro::literal
