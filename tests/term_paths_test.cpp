// Every vector path the processor can run gives, for every exponent, the
// bits of the one-lane exponential: e^L for finite L, NaN otherwise.
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

// Every count, so that the short vector at the end of a run is covered, and
// every start, so that each exponent passes through every lane.
TEST_P(TermPaths, GiveTheOneLaneExponentialOfEveryExponent) {
  const TermPath path = GetParam();
  if (!term_path_available(path)) {
    GTEST_SKIP() << "this processor lacks " << term_path_name(path);
  }
  const VectorPasses* passes = vector_passes(path);
  if (passes == nullptr) GTEST_SKIP() << "the scalar path has no vectors";
  const std::vector<double> wanted = exponents();
  for (int count = 1; count <= 17; ++count) {
    for (std::size_t first = 0; first + count <= wanted.size(); ++first) {
      std::vector<double> values(wanted.begin() + first,
                                 wanted.begin() + first + count);
      values.resize(count + TermBuffer::widest_vector);
      passes->exponentiate(values.data(), count);
      for (int j = 0; j < count; ++j) {
        const double expected = expected_term(wanted[first + j]);
        ASSERT_TRUE(same_bits(values[j], expected))
            << "L = " << wanted[first + j] << ": " << values[j]
            << " instead of " << expected << " (" << count << " from " << first
            << ")";
      }
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
