// kelvaro-run's command line.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "input_errors.h"
#include "options.h"

namespace kelvaro::cli {
namespace {

using testing::input_error_of;

Options parse(std::vector<const char*> arguments) {
  arguments.insert(arguments.begin(), "kelvaro-run");
  return parse_options(static_cast<int>(arguments.size()), arguments.data());
}

TEST(ParseOptions, TakesValuesAfterABlankOrAnEqualsSign) {
  const Options separate = parse({"--df", "3.5", "--max-sum", "1000", "--tol",
                                  "1e-12", "--log-norm0", "-2", "in.txt"});
  const Options joined = parse({"in.txt", "--df=3.5", "--max-sum=1000",
                                "--tol=1e-12", "--log-norm0=-2"});
  for (const Options& options : {separate, joined}) {
    EXPECT_EQ(options.df, 3.5);
    EXPECT_EQ(options.max_sum, 1000);
    EXPECT_EQ(options.tol, 1e-12);
    EXPECT_EQ(options.log_norm0, -2);
    EXPECT_EQ(options.file, "in.txt");
    EXPECT_FALSE(options.help);
  }
}

TEST(ParseOptions, DefaultsLogNorm0ToTheChiSquareNormaliser) {
  const Options options =
      parse({"--df", "3.5", "--max-sum", "1000", "--tol", "1e-12"});
  EXPECT_EQ(options.log_norm0, std::lgamma(1.75));
  EXPECT_EQ(options.file, "");
}

TEST(ParseOptions, HelpNeedsNoOtherOption) {
  EXPECT_TRUE(parse({"--help"}).help);
}

struct RefusedCommandLine {
  std::vector<const char*> arguments;
  const char* error;
};

const RefusedCommandLine kRefusedCommandLines[] = {
    {{"--max-sum", "1", "--tol", "1"}, "missing required option --df"},
    {{"--df", "1", "--tol", "1"}, "missing required option --max-sum"},
    {{"--df", "1", "--max-sum", "1"}, "missing required option --tol"},
    {{"--df", "1", "--max-sum", "1", "--tol", "1", "--bogus", "2"},
     "unknown option --bogus"},
    {{"--df=1", "-x"}, "unknown option -x"},
    {{"--max-sum", "1", "--tol", "1", "--df"}, "--df needs a value"},
    {{"--df", "three"}, "--df: 'three' is not a number"},
    {{"--tol="}, "--tol: '' is not a number"},
    {{"a.txt", "b.txt"}, "more than one input file: 'a.txt' and 'b.txt'"},
};

TEST(ParseOptions, RefusesMissingUnknownAndNonNumericOptions) {
  for (const RefusedCommandLine& refused : kRefusedCommandLines) {
    EXPECT_EQ(input_error_of([&] { parse(refused.arguments); }), refused.error);
  }
}

}  // namespace
}  // namespace kelvaro::cli
