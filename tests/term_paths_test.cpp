// Every term path the processor can run gives, for every exponent, the bits
// of the one-lane exponential: e^L for finite L, NaN otherwise.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <ostream>
#include <random>
#include <vector>

#include "exponential.h"
#include "term_path.h"

namespace kelvaro {

// Found by argument-dependent lookup, so test logs name the path.
inline void PrintTo(TermPath path, std::ostream* out) {
  *out << term_path_name(path);
}

namespace testing {
namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

// Exponents around every place where an exponential goes wrong: overflow
// (709.78), the normal and subnormal underflow limits (-708.4, -745.13),
// results that round to 1, signed zeros, non-finite values, and a spread
// of ordinary ones.
std::vector<double> exponents() {
  std::vector<double> values{0.0,
                             -0.0,
                             1e-300,
                             -1e-300,
                             5e-324,
                             1e-17,
                             -1e-17,
                             0.5,
                             -0.5,
                             1.0,
                             709.782712893384,
                             std::nextafter(709.782712893384, inf),
                             709.79,
                             710.0,
                             -708.3964185322641,
                             -708.4,
                             -720.0,
                             -744.4400719213812,
                             -745.1332191019411,
                             -745.1332191019412,
                             -746.0,
                             1e300,
                             -1e300,
                             std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::lowest(),
                             inf,
                             -inf,
                             std::numeric_limits<double>::quiet_NaN(),
                             -std::numeric_limits<double>::quiet_NaN()};
  std::mt19937_64 random(6);
  std::uniform_real_distribution<double> spread(-760.0, 720.0);
  for (int i = 0; i < 4000; ++i) values.push_back(spread(random));
  return values;
}

double expected_term(double exponent) {
  return std::isfinite(exponent) ? exponential(exponent)
                                 : std::numeric_limits<double>::quiet_NaN();
}

bool same_bits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

class TermPaths : public ::testing::TestWithParam<TermPath> {};

// With v = 0 and P - Q = 0, L = (0 - 0) - log_norm[k] = -log_norm[k]
// exactly, so the table entries choose the exponents. Every block length
// and start is tried, so the partial vectors at the end of a block are
// covered too.
TEST_P(TermPaths, GiveTheOneLaneExponentialOfEveryExponent) {
  const TermPath path = GetParam();
  if (!term_path_available(path)) {
    GTEST_SKIP() << "this processor lacks " << term_path_name(path);
  }
  const std::vector<double> wanted = exponents();
  std::vector<double> log_norm;
  for (double exponent : wanted) log_norm.push_back(-exponent);
  const int block_size = term_block_size(path);
  for (int count = 1; count <= block_size; ++count) {
    for (std::size_t first = 0; first + count <= log_norm.size(); ++first) {
      double terms[max_term_block];
      compute_terms(
          path,
          {0.0, 0.0, log_norm.data(), static_cast<std::int64_t>(first), count},
          terms);
      for (int j = 0; j < count; ++j) {
        const double expected = expected_term(wanted[first + j]);
        ASSERT_TRUE(same_bits(terms[j], expected))
            << "L = " << wanted[first + j] << ": " << terms[j] << " instead of "
            << expected << " (block of " << count << " at " << first << ")";
      }
    }
  }
}

// The products v k and the differences are rounded as the literal kernel
// rounds them: nothing is fused or reordered.
TEST_P(TermPaths, RoundTheExponentAsWrittenOut) {
  const TermPath path = GetParam();
  if (!term_path_available(path)) {
    GTEST_SKIP() << "this processor lacks " << term_path_name(path);
  }
  // Entries close to v k - (P - Q), as near the peak of a real series, so
  // that L is a small difference whose last bits show any change of
  // rounding.
  const double v = 5.123456789012345;
  const double p_minus_q = -187.30000000000001;
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> offset(-40.0, 40.0);
  std::vector<double> log_norm;
  for (int k = 0; k < 3000; ++k) {
    log_norm.push_back(v * k - p_minus_q + offset(random));
  }
  const int block_size = term_block_size(path);
  for (std::int64_t first = 0; first + block_size <= 3000;
       first += block_size) {
    double terms[max_term_block];
    compute_terms(path, {v, p_minus_q, log_norm.data(), first, block_size},
                  terms);
    for (int j = 0; j < block_size; ++j) {
      const std::int64_t k = first + j;
      const double exponent =
          ((v * static_cast<double>(k)) - p_minus_q) - log_norm[k];
      ASSERT_TRUE(same_bits(terms[j], expected_term(exponent))) << "k " << k;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Every, TermPaths, ::testing::ValuesIn(all_term_paths),
                         [](const ::testing::TestParamInfo<TermPath>& info) {
                           return std::string(term_path_name(info.param));
                         });

TEST(TermPathDispatch, ChoosesAnAvailablePathAndNeverTheScalarOneOnX86_64) {
  const TermPath chosen = fastest_term_path();
  EXPECT_TRUE(term_path_available(chosen));
#if KELVARO_SIMD_TERMS
  EXPECT_NE(chosen, TermPath::scalar);
  if (term_path_available(TermPath::avx)) {
    EXPECT_NE(chosen, TermPath::sse2);
  }
#endif
}

}  // namespace
}  // namespace testing
}  // namespace kelvaro
