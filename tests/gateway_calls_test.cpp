// Whole calls of mexFunction through the stand-in host, each compared with
// the kernel called directly on the arguments the gateway must hand it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "call_module.h"
#include "evaluate_series.h"
#include "host_arrays.h"
#include "test_names.h"

namespace kelvaro {
namespace {

using standin::ArrayClass;
using standin::ArrayContents;
using testing::handles_of;
using testing::same_bits;

// Distinct values, so that arguments handed over in the wrong order show.
constexpr double kDf = 3.5;
constexpr double kTol = 1e-12;
const double kLogNorm0 = std::lgamma(kDf / 2);

ArrayContents matrix(std::size_t rows, std::size_t cols,
                     std::vector<double> values) {
  return {ArrayClass::double_class, rows, cols, std::move(values)};
}

ArrayContents column(std::vector<double> values) {
  const std::size_t rows = values.size();
  return matrix(rows, 1, std::move(values));
}

ArrayContents scalar(double value,
                     ArrayClass array_class = ArrayClass::double_class) {
  return {array_class, 1, 1, {value}};
}

const std::vector<double> kFiveX = {0.1, 1, 5, 20, 100};
const std::vector<double> kFiveLambda = {5, 5, 5, 50, 500};

struct WholeCall {
  const char* name;
  ArrayContents x;
  ArrayContents lambda;
  ArrayContents max_sum;
  int nlhs;
  int extra_inputs;
  // What the gateway must hand the kernel.
  std::int32_t kernel_max_sum;
  std::int32_t sample_count;
};

const WholeCall kWholeCalls[] = {
    {"five samples", column(kFiveX), column(kFiveLambda), scalar(1000), 2, 0,
     1000, 5},
    {"warnings name their samples", column(kFiveX), column(kFiveLambda),
     scalar(5), 2, 0, 5, 5},
    {"no rows", matrix(0, 1, {}), matrix(0, 0, {}), scalar(1000), 2, 0, 1000,
     0},
    {"no rows and several columns", matrix(0, 3, {}), matrix(0, 0, {}),
     scalar(1000), 2, 0, 1000, 0},
    {"a row of samples counts as one", matrix(1, 3, {1, 5, 20}),
     matrix(1, 3, {5, 5, 50}), scalar(1000), 2, 0, 1000, 1},
    {"a matrix gives its first stored elements",
     matrix(3, 2, {0.1, 1, 5, 20, 100, 7}), column({5, 5, 5, 50, 500, 7}),
     scalar(1000), 2, 0, 1000, 3},
    {"a longer lambda gives its first elements", column({1, 5}),
     matrix(1, 5, {5, 5, 50, 500, 9}), scalar(1000), 2, 0, 1000, 2},
    {"MAX_SUM 100.9 is used as 100", column({1000, 1}), column({1000, 5}),
     scalar(100.9), 2, 0, 100, 2},
    {"MAX_SUM -0.5 is used as 0", column(kFiveX), column(kFiveLambda),
     scalar(-0.5), 2, 0, 0, 5},
    {"MAX_SUM as an int32 scalar", column({1000, 1}), column({1000, 5}),
     scalar(40, ArrayClass::int32_class), 2, 0, 40, 2},
    {"MAX_SUM as a single scalar", column({1000, 1}), column({1000, 5}),
     scalar(7.75, ArrayClass::single_class), 2, 0, 7, 2},
    {"MAX_SUM as logical true", column({1000, 1}), column({1000, 5}),
     scalar(1, ArrayClass::logical_class), 2, 0, 1, 2},
    {"inputs after the sixth are ignored", column(kFiveX), column(kFiveLambda),
     scalar(1000), 2, 2, 1000, 5},
    {"one output requested", column(kFiveX), column(kFiveLambda), scalar(5), 1,
     0, 5, 5},
    {"no output requested", column(kFiveX), column(kFiveLambda), scalar(5), 0,
     0, 5, 5},
};

void PrintTo(const WholeCall& call, std::ostream* out) { *out << call.name; }

class WholeCallTest : public ::testing::TestWithParam<WholeCall> {};

void expect_real_column(const mxArray* array, std::int32_t rows) {
  ASSERT_NE(array, nullptr);
  const ArrayContents& contents = standin::contents_of(array);
  EXPECT_EQ(contents.array_class, ArrayClass::double_class);
  EXPECT_EQ(contents.rows, static_cast<std::size_t>(rows));
  EXPECT_EQ(contents.cols, 1u);
  EXPECT_TRUE(contents.imag.empty());
}

TEST_P(WholeCallTest, MatchesTheKernelCalledDirectly) {
  const WholeCall& call = GetParam();
  std::vector<standin::Array> inputs;
  inputs.push_back(standin::make_array(call.x));
  inputs.push_back(standin::make_array(call.lambda));
  inputs.push_back(standin::make_scalar(kDf));
  inputs.push_back(standin::make_array(call.max_sum));
  inputs.push_back(standin::make_scalar(kTol));
  inputs.push_back(standin::make_scalar(kLogNorm0));
  for (int extra = 0; extra < call.extra_inputs; ++extra) {
    inputs.push_back(standin::make_array({ArrayClass::cell_class, 1, 1, {}}));
  }

  const standin::CallResult result =
      standin::call_module(&mexFunction, call.nlhs, handles_of(inputs));

  std::vector<double> expected(static_cast<std::size_t>(call.sample_count));
  ASSERT_EQ(evaluate_series(call.x.real.data(), call.lambda.real.data(), kDf,
                            expected.data(), call.kernel_max_sum,
                            call.sample_count, kTol, kLogNorm0),
            SeriesStatus::ok);
  const std::vector<standin::HostMessage> expected_messages =
      standin::take_messages();

  ASSERT_FALSE(result.error) << result.error->what();
  EXPECT_FALSE(result.wrote_past_slots);
  ASSERT_EQ(result.outputs.size(),
            static_cast<std::size_t>(std::max(call.nlhs, 1)));
  const mxArray* density = result.outputs[0].get();
  expect_real_column(density, call.sample_count);
  EXPECT_TRUE(same_bits(standin::contents_of(density).real, expected));
  EXPECT_EQ(result.messages, expected_messages);

  if (call.nlhs >= 2) {
    const mxArray* zero_column = result.outputs[1].get();
    expect_real_column(zero_column, call.sample_count);
    EXPECT_TRUE(same_bits(standin::contents_of(zero_column).real,
                          std::vector<double>(expected.size(), 0.0)));
  }
  EXPECT_EQ(result.arrays_created, call.nlhs >= 2 ? 2u : 1u);

  EXPECT_TRUE(
      same_bits(standin::contents_of(inputs[0].get()).real, call.x.real));
  EXPECT_TRUE(
      same_bits(standin::contents_of(inputs[1].get()).real, call.lambda.real));
}

INSTANTIATE_TEST_SUITE_P(Gateway, WholeCallTest,
                         ::testing::ValuesIn(kWholeCalls),
                         [](const auto& info) {
                           return testing::test_name(info.param.name);
                         });

// The MAX_SUM warnings must reach the caller with the samples' positions,
// as the host's warning and print channels carry them.
TEST(GatewayMessages, WarnThenPrintTheIndexOfEverySampleAtMaxSum) {
  const std::vector<standin::Array> inputs = testing::column_inputs(
      {0.1, 1000, 1}, {5, 1000, 5}, kDf, 40, kTol, kLogNorm0);

  const standin::CallResult result =
      standin::call_module(&mexFunction, 1, handles_of(inputs));

  const char* warning =
      "adding up of infinite sum is stopped because MAX_SUM is reached at "
      "sample point:";
  const std::vector<standin::HostMessage> expected = {
      {standin::Channel::warning, warning},
      {standin::Channel::print, "1 \n"},
  };
  EXPECT_EQ(result.messages, expected);
}

}  // namespace
}  // namespace kelvaro
