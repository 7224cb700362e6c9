// Noncentral chi-square densities from general numerical libraries, for
// the same samples the kernel gets.
#pragma once

#include "workloads.h"

namespace kelvaro::bench {

// boost::math::pdf(non_central_chi_squared(df, lambda), x), default policy.
void boost_densities(const Workload& w, double* density);

// libRmath's dnchisq(x, df, lambda, 0).
void rmath_densities(const Workload& w, double* density);

}  // namespace kelvaro::bench
