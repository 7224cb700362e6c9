// The sample text of kelvaro-run: what it accepts, and which line it names
// when it refuses.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "input_errors.h"
#include "sample_reader.h"

namespace kelvaro::cli {
namespace {

using testing::input_error_of;

struct AcceptedText {
  const char* text;
  std::vector<double> x;
  std::vector<double> lambda;
};

constexpr double kInf = std::numeric_limits<double>::infinity();

const AcceptedText kAcceptedTexts[] = {
    {"", {}, {}},
    {"1 2\n3 4\n", {1, 3}, {2, 4}},
    {"1 2", {1}, {2}},
    {"1,2\n3 ,4\n5, 6\n7\t,\t8\n", {1, 3, 5, 7}, {2, 4, 6, 8}},
    {"  1   2  \n\t3\t4\t\n", {1, 3}, {2, 4}},
    {"1 2\r\n3 4\r\n", {1, 3}, {2, 4}},
    {"# x lambda\n\n  \n  # indented\n1 2\n#\n", {1}, {2}},
    {"inf -inf\n+1e-3 5\n", {kInf, 1e-3}, {-kInf, 5}},
};

TEST(ReadSamples, AcceptsSamplesSeparatedByBlanksOrOneComma) {
  for (const AcceptedText& accepted : kAcceptedTexts) {
    const Samples samples = read_samples(accepted.text);
    EXPECT_EQ(samples.x, accepted.x) << accepted.text;
    EXPECT_EQ(samples.lambda, accepted.lambda) << accepted.text;
  }
}

struct RefusedText {
  const char* text;
  std::string error;
};

const std::string kTwoNumbers =
    "expected two numbers 'x lambda' separated by blanks or one comma";

const RefusedText kRefusedTexts[] = {
    {"1 2\n3\n", "line 2: " + kTwoNumbers},
    {"1 2 3\n", "line 1: " + kTwoNumbers},
    {"1,,2\n", "line 1: " + kTwoNumbers},
    {"1, ,2\n", "line 1: " + kTwoNumbers},
    {"1 2,\n", "line 1: " + kTwoNumbers},
    {",1 2\n", "line 1: " + kTwoNumbers},
    {"1;2\n", "line 1: " + kTwoNumbers},
    {"# comment\n\n1 2 # no trailing comments\n", "line 3: " + kTwoNumbers},
    {"1 2\n\n1 abc\n", "line 3: 'abc' is not a number"},
    {"1x 2\n", "line 1: '1x' is not a number"},
    {"1e400 2\n", "line 1: '1e400' is out of the range of a double"},
};

TEST(ReadSamples, RefusesNamingTheLineAndTheProblem) {
  for (const RefusedText& refused : kRefusedTexts) {
    EXPECT_EQ(input_error_of([&] { read_samples(refused.text); }),
              refused.error);
  }
}

}  // namespace
}  // namespace kelvaro::cli
