// The kernel against the literal one, bit for bit, results and messages:
// the lazy table, the per-sample values formed once and the vector passes on
// every instruction-set path change how the work is done, never what it
// gives.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "eight_lane_passes.h"
#include "literal_series.h"
#include "series_call.h"
#include "series_variants.h"

namespace kelvaro::testing {
namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

struct Workload {
  std::string name;
  SeriesCall call;
};

void PrintTo(const Workload& workload, std::ostream* out) {
  *out << workload.name;
}

SeriesCall uniform_samples(int count, double low, double high,
                           std::int32_t max_sum) {
  std::mt19937_64 random(static_cast<std::uint64_t>(count) * 31 + max_sum);
  std::uniform_real_distribution<double> value(low, high);
  SeriesCall call;
  for (int i = 0; i < count; ++i) {
    call.x.push_back(value(random));
    call.lambda.push_back(value(random));
  }
  call.max_sum = max_sum;
  return call;
}

// Small samples that stop well inside the table and large ones that run
// into MAX_SUM, so each small MAX_SUM leaves a short vector at the table's
// end.
SeriesCall mixed_samples(std::int32_t max_sum) {
  SeriesCall call;
  call.x = {0.1, 1, 5, 20, 100, 400, 50, 1000, 3, 0.01};
  call.lambda = {5, 5, 5, 50, 500, 300, 300, 1000, 0.5, 0.01};
  call.max_sum = max_sum;
  return call;
}

// Samples for which some value is not finite, zero, negative, or leaves the
// double range in lambda x.
SeriesCall edge_samples() {
  const double tiny = std::numeric_limits<double>::denorm_min();
  SeriesCall call;
  call.x = {nan,   1,    0, 1,      -1,    1,    inf, 1,   inf, 1e-200,
            1e200, tiny, 1, 1e-300, 1e300, -0.0, 2,   700, 1e5, 0.1};
  call.lambda = {5,     nan, 5,    0,     5,      -5, 5,    inf, inf, 1e-200,
                 1e200, 1,   tiny, 1e300, 1e-300, 5,  -inf, 1e5, 700, 1e-10};
  call.max_sum = 300;
  return call;
}

template <class Change>
SeriesCall with(SeriesCall call, Change change) {
  change(call);
  return call;
}

std::vector<Workload> workloads() {
  std::vector<Workload> list{
      {"uniform_to_500", uniform_samples(2000, 0.1, 500, 1000)},
      {"uniform_to_500_tol_1e_300",
       with(uniform_samples(500, 0.1, 500, 1000),
            [](SeriesCall& c) { c.tol = 1e-300; })},
      {"uniform_to_1e5", uniform_samples(40, 0.1, 1e5, 200000)},
      {"edges", edge_samples()},
      {"edges_tol_1e_300",
       with(edge_samples(), [](SeriesCall& c) { c.tol = 1e-300; })},
      {"terms_overflow",
       with(mixed_samples(1000), [](SeriesCall& c) { c.log_norm0 = -800; })},
      {"terms_underflow", with(mixed_samples(1000),
                               [](SeriesCall& c) {
                                 c.log_norm0 = 800;
                                 c.tol = 1e-300;
                               })},
      {"subnormal_tol", with(mixed_samples(1000),
                             [](SeriesCall& c) {
                               c.log_norm0 = 700;
                               c.tol =
                                   std::numeric_limits<double>::denorm_min();
                             })},
      {"no_samples",
       with(mixed_samples(1000), [](SeriesCall& c) { c.x.clear(); })},
      {"negative_max_sum", mixed_samples(-3)},
  };
  for (std::int32_t max_sum : {0, 1, 2, 3, 4, 5, 7, 8, 9, 15, 16, 17, 33}) {
    list.push_back(
        {"max_sum_" + std::to_string(max_sum), mixed_samples(max_sum)});
  }
  const std::vector<std::pair<std::string, double>> dfs{
      {"nan", nan}, {"0", 0},   {"minus_1", -1}, {"2", 2},     {"0_5", 0.5},
      {"1", 1},     {"50", 50}, {"1e6", 1e6},    {"inf", inf},
  };
  for (const auto& [name, df] : dfs) {
    list.push_back(
        {"df_" + name, with(mixed_samples(400), [df = df](SeriesCall& c) {
           c.df = df;
           c.log_norm0 =
               std::isfinite(df) && df > 0 ? std::lgamma(df / 2) : 0.0;
         })});
  }
  const std::vector<std::pair<std::string, double>> tols{
      {"0", 0},     {"minus_1", -1},  {"inf", inf},
      {"nan", nan}, {"1e308", 1e308}, {"0_5", 0.5},
  };
  for (const auto& [name, tol] : tols) {
    list.push_back(
        {"tol_" + name, with(mixed_samples(1000),
                             [tol = tol](SeriesCall& c) { c.tol = tol; })});
  }
  // tol at, just below and just above a term of one of the samples, so
  // that the stop is decided by the terms themselves, not by the exponents:
  // t(16) is the start of the sample (20, 50), t(9) and t(30) lie in its
  // downward and upward passes.
  const std::vector<double> terms =
      literal::terms_double(20, 50, 3.5, 1000, lgamma_1_75);
  for (int k : {9, 16, 30}) {
    for (int step : {-1, 0, 1}) {
      const double tol = step == 0  ? terms[k]
                         : step < 0 ? std::nextafter(terms[k], 0.0)
                                    : std::nextafter(terms[k], inf);
      list.push_back(
          {"tol_at_term_" + std::to_string(k) + "_step_" +
               std::to_string(step + 1),
           with(mixed_samples(1000), [tol](SeriesCall& c) { c.tol = tol; })});
    }
  }
  for (double log_norm0 : {inf, -inf, nan}) {
    list.push_back({"log_norm0_" + std::to_string(log_norm0),
                    with(mixed_samples(100), [log_norm0](SeriesCall& c) {
                      c.log_norm0 = log_norm0;
                    })});
  }
  return list;
}

bool same_bits(const std::vector<double>& a, const std::vector<double>& b) {
  return a.size() == b.size() &&
         std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}

void expect_same_outcome(const ArithmeticVariant& kernel,
                         const ArithmeticVariant& literal,
                         const SeriesCall& call) {
  const SeriesOutcome expected = run_series(literal, call);
  const SeriesOutcome actual = run_series(kernel, call);
  EXPECT_EQ(actual.status, SeriesStatus::ok);
  EXPECT_EQ(actual.messages, expected.messages) << kernel.name;
  for (std::size_t i = 0; i < call.x.size(); ++i) {
    if (!same_bits({actual.density[i]}, {expected.density[i]})) {
      ADD_FAILURE() << kernel.name << ", sample " << i << " (x " << call.x[i]
                    << ", lambda " << call.lambda[i]
                    << "): " << actual.density[i] << " instead of "
                    << expected.density[i];
      return;
    }
  }
}

class SeriesBitIdentity : public ::testing::TestWithParam<Workload> {};

TEST_P(SeriesBitIdentity, DoubleOnEveryTermPathMatchesTheLiteralKernel) {
  if (!doubles_are_ieee) GTEST_SKIP() << doubles_not_ieee;
  const ArithmeticVariant literal{"literal double", literal::series_double};
  expect_same_outcome(double_variant(), literal, GetParam().call);
  for (TermPath path : all_term_paths) {
    if (!term_path_available(path)) continue;
    const ArithmeticVariant on_path{
        term_path_name(path), [path](auto... arguments) {
          return evaluate_series_double_on(path, arguments...);
        }};
    expect_same_outcome(on_path, literal, GetParam().call);
  }
#if KELVARO_SIMD_TERMS
  if (term_path_available(TermPath::avx)) {
    const ArithmeticVariant eight_lanes{
        "eight lanes on AVX", [](auto... arguments) {
          return evaluate_series_double_with(eight_lane_passes(), arguments...);
        }};
    expect_same_outcome(eight_lanes, literal, GetParam().call);
  }
#endif
}

#if KELVARO_HAS_EXTENDED
TEST_P(SeriesBitIdentity, ExtendedMatchesTheLiteralKernel) {
  const ArithmeticVariant literal{"literal extended", literal::series_extended};
  expect_same_outcome(extended_variant(), literal, GetParam().call);
}
#endif

INSTANTIATE_TEST_SUITE_P(Workloads, SeriesBitIdentity,
                         ::testing::ValuesIn(workloads()),
                         [](const ::testing::TestParamInfo<Workload>& info) {
                           std::string name = info.param.name;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c)))
                               c = '_';
                           }
                           return name;
                         });

}  // namespace
}  // namespace kelvaro::testing
