#include "workloads.h"

#include <cmath>
#include <random>

#include "literal_series.h"

namespace kelvaro::bench {
namespace {

Workload uniform(std::string name, int samples, double high,
                 std::int32_t max_sum, double tol) {
  Workload w{std::move(name), {}, {}, 3.5, max_sum, tol, std::lgamma(1.75), 0};
  std::mt19937_64 random(20240611);
  std::uniform_real_distribution<double> value(0.1, high);
  for (int i = 0; i < samples; ++i) {
    w.x.push_back(value(random));
    w.lambda.push_back(value(random));
  }
  w.terms = literal::visited_terms_double(
      w.x.data(), w.lambda.data(), w.df, w.max_sum,
      static_cast<std::int32_t>(w.x.size()), w.tol, w.log_norm0);
  return w;
}

}  // namespace

const std::vector<Workload>& workloads() {
  static const std::vector<Workload> all{
      uniform("W1", 1000000, 500, 1000, 1e-12),
      uniform("W2", 1000000, 500, 1000, 1e-300),
      uniform("W3", 100000, 1e5, 200000, 1e-12),
      uniform("W4", 10, 500, 1000000, 1e-12),
  };
  return all;
}

}  // namespace kelvaro::bench
