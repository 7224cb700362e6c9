// The inputs every implementation is timed on.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kelvaro::bench {

struct Workload {
  std::string name;
  std::vector<double> x;
  std::vector<double> lambda;
  double df;
  std::int32_t max_sum;
  double tol;
  double log_norm0;    // ln Gamma(df / 2): the densities proper
  std::int64_t terms;  // terms the double kernel visits over all samples
};

// W1: 1e6 samples, x and lambda uniform in [0.1, 500], df 3.5, tol 1e-12,
//     MAX_SUM 1000 (about 53 terms a sample);
// W2: W1 with tol 1e-300 (longer walks);
// W3: 1e5 samples, x and lambda in [0.1, 1e5], MAX_SUM 2e5 (high indices);
// W4: 10 samples as in W1 with MAX_SUM 1e6 (a huge, barely used table).
const std::vector<Workload>& workloads();

}  // namespace kelvaro::bench
