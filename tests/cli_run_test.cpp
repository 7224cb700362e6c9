// kelvaro-run as a user runs it: its output, its messages and its exit
// status.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "evaluate_series.h"
#include "host_messages.h"
#include "number_text.h"
#include "test_names.h"

namespace kelvaro {
namespace {

const std::string kExampleFile =
    std::string(KELVARO_EXAMPLES_DIR) + "/five_samples.txt";
const std::string kExampleOptions = "--df 3.5 --max-sum 1000 --tol 1e-12";

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

std::string read_file(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

// Runs kelvaro-run with the arguments (shell words) and the text on its
// standard input.
Outcome run_kelvaro(const std::string& arguments,
                    const std::string& input = "") {
  const ::testing::TestInfo* test =
      ::testing::UnitTest::GetInstance()->current_test_info();
  const std::string base =
      ::testing::TempDir() +
      testing::test_name(std::string(test->test_suite_name()) + "." +
                         test->name());
  std::ofstream(base + ".in", std::ios::binary) << input;
  const std::string command = std::string("'") + KELVARO_RUN_PATH + "' " +
                              arguments + " <'" + base + ".in' >'" + base +
                              ".out' 2>'" + base + ".err'";
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
          read_file(base + ".out"), read_file(base + ".err")};
}

std::vector<double> densities_of(const std::string& out) {
  std::vector<double> densities;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);) {
    double value = 0.0;
    EXPECT_EQ(cli::read_number(line, value), nullptr) << line;
    densities.push_back(value);
  }
  return densities;
}

TEST(KelvaroRun, PrintsTheKernelsDensitiesForTheExampleFile) {
  const Outcome run = run_kelvaro(kExampleOptions + " '" + kExampleFile + "'");

  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const double x[] = {0.1, 1, 5, 20, 100};
  const double lambda[] = {5, 5, 5, 50, 500};
  std::vector<double> expected(5);
  ASSERT_EQ(evaluate_series(x, lambda, 3.5, expected.data(), 1000, 5, 1e-12,
                            std::lgamma(1.75)),
            SeriesStatus::ok);
  EXPECT_EQ(densities_of(run.out), expected);
  // The noncentral chi-square densities, by default.
  const double chi_square[] = {0.00481980663998, 0.0305340640580,
                               0.0861111372850, 0.000854598667568,
                               5.14820963107e-37};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(expected[i], chi_square[i], chi_square[i] * 1e-10);
  }
}

TEST(KelvaroRun, ReadsStandardInputLikeAFile) {
  const std::string samples = read_file(kExampleFile);
  const Outcome from_file =
      run_kelvaro(kExampleOptions + " '" + kExampleFile + "'");
  const Outcome from_input = run_kelvaro(kExampleOptions, samples);
  const Outcome from_dash = run_kelvaro(kExampleOptions + " -", samples);
  EXPECT_EQ(from_input.out, from_file.out);
  EXPECT_EQ(from_dash.out, from_file.out);
  EXPECT_EQ(from_input.status, 0);
}

TEST(KelvaroRun, NoSamplesPrintNothing) {
  const Outcome run = run_kelvaro(kExampleOptions, "# nothing yet\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
}

TEST(KelvaroRun, ShowsWarningsOnStandardErrorAndSucceeds) {
  const Outcome run =
      run_kelvaro("--df 3.5 --max-sum 40 --tol 1e-12", "0.1 5\n1000 1000\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err,
            "Warning: adding up of infinite sum is stopped because MAX_SUM is "
            "reached at sample point:\n1 \n");
  EXPECT_EQ(densities_of(run.out).size(), 2u);
}

TEST(KelvaroRun, HelpShowsUsage) {
  const Outcome run = run_kelvaro("--help");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("usage: kelvaro-run ", 0), 0u) << run.out;
}

struct BadRun {
  const char* name;
  std::string arguments;
  const char* input;
  // The single line on standard error.
  const char* error;
};

const BadRun kBadRuns[] = {
    {"sample that is not a number", kExampleOptions, "1 5\n\n1 five\n",
     "kelvaro-run: line 3: 'five' is not a number\n"},
    {"line of three numbers", kExampleOptions, "1 5 7\n",
     "kelvaro-run: line 1: expected two numbers 'x lambda' separated by "
     "blanks or one comma\n"},
    {"missing option", "--df 3.5 --tol 1e-12", "1 5\n",
     "kelvaro-run: missing required option --max-sum\n"},
    {"unknown option", kExampleOptions + " --fast", "1 5\n",
     "kelvaro-run: unknown option --fast\n"},
    {"option that is not a number", "--df 3.5 --max-sum 1000 --tol=small",
     "1 5\n", "kelvaro-run: --tol: 'small' is not a number\n"},
    {"MAX_SUM refused by the module", "--df 3.5 --max-sum nan --tol 1e-12",
     "1 5\n",
     "kelvaro-run: input 4 (MAX_SUM) must be a number from 0 to 2147483647 "
     "after truncation toward zero (kelvaro:maxSum)\n"},
    {"file that cannot be read", kExampleOptions + " /nonexistent/samples", "",
     "kelvaro-run: cannot read '/nonexistent/samples': No such file or "
     "directory\n"},
};

void PrintTo(const BadRun& bad, std::ostream* out) { *out << bad.name; }

class KelvaroRunRefusal : public ::testing::TestWithParam<BadRun> {};

TEST_P(KelvaroRunRefusal, ExitsWithStatusTwoAndPrintsNoDensity) {
  const BadRun& bad = GetParam();
  const Outcome run = run_kelvaro(bad.arguments, bad.input);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, bad.error);
}

INSTANTIATE_TEST_SUITE_P(KelvaroRun, KelvaroRunRefusal,
                         ::testing::ValuesIn(kBadRuns), [](const auto& info) {
                           return testing::test_name(info.param.name);
                         });

}  // namespace
}  // namespace kelvaro
