#pragma once

namespace kelvaro {

// Formed once per call, before the first sample, each stored as a double.
struct CallConstants {
  double df_squared;     // df * df
  double minus_four_df;  // -4 * df
  double two_minus_df;   // 2 - df
  double max_sum;        // MAX_SUM, exactly
  double two_tol;        // 2 * tol; +inf when tol exceeds half of DBL_MAX
};

}  // namespace kelvaro
