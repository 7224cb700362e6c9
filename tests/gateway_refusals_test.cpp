// Calls the gateway must refuse through the host's error service, before
// any output exists, instead of reading or writing out of bounds.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <iterator>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "call_module.h"
#include "host_arrays.h"
#include "test_names.h"

namespace kelvaro {
namespace {

using standin::ArrayClass;
using standin::ArrayContents;
using testing::handles_of;

using Inputs = std::vector<standin::Array>;

Inputs valid_inputs() {
  return testing::column_inputs({1, 5}, {5, 5}, 3.5, 1000, 1e-12, 0.0);
}

struct Refusal {
  std::string name;
  int nlhs;
  std::function<void(Inputs&)> spoil;
  const char* identifier;
  // How the message names the argument at fault.
  const char* argument;
};

std::function<void(Inputs&)> replace(std::size_t input, ArrayContents with) {
  return [input, with](Inputs& inputs) {
    inputs[input] = standin::make_array(with);
  };
}

using NamedContents = std::pair<const char*, ArrayContents>;

// Two samples' worth of elements, of every kind but a real, full double.
const NamedContents kNonDoubleColumns[] = {
    {"complex", {ArrayClass::double_class, 2, 1, {1, 5}, {0, 1}}},
    {"sparse", {ArrayClass::double_class, 2, 1, {1, 5}, {}, true}},
    {"single", {ArrayClass::single_class, 2, 1, {1, 5}}},
    {"int32", {ArrayClass::int32_class, 2, 1, {1, 5}}},
    {"logical", {ArrayClass::logical_class, 2, 1, {1, 1}}},
    {"string", {ArrayClass::char_class, 2, 1, {49, 53}}},
    {"cell", {ArrayClass::cell_class, 2, 1, {}}},
};

const NamedContents kNonScalars[] = {
    {"empty", {ArrayClass::double_class, 0, 0, {}}},
    {"string", {ArrayClass::char_class, 1, 2, {49, 48}}},
    {"one character", {ArrayClass::char_class, 1, 1, {49}}},
    {"cell", {ArrayClass::cell_class, 1, 1, {}}},
    {"vector", {ArrayClass::double_class, 1, 2, {1, 2}}},
    {"complex", {ArrayClass::double_class, 1, 1, {1}, {1}}},
};

struct Argument {
  std::size_t input;
  const char* name;
  const char* type_identifier;
};

const Argument kArrayArguments[] = {
    {0, "input 1 (x)", "kelvaro:xType"},
    {1, "input 2 (lambda)", "kelvaro:lambdaType"},
};

const Argument kScalarArguments[] = {
    {2, "input 3 (df)", "kelvaro:scalarType"},
    {3, "input 4 (MAX_SUM)", "kelvaro:scalarType"},
    {4, "input 5 (tol)", "kelvaro:scalarType"},
    {5, "input 6 (log_norm0)", "kelvaro:scalarType"},
};

void add_type_refusals(std::vector<Refusal>& refusals, const Argument& argument,
                       const std::vector<NamedContents>& wrong_kinds) {
  for (const auto& [kind, contents] : wrong_kinds) {
    refusals.push_back({std::string(argument.name) + " " + kind, 1,
                        replace(argument.input, contents),
                        argument.type_identifier, argument.name});
  }
}

std::vector<Refusal> all_refusals() {
  std::vector<Refusal> refusals = {
      {"five inputs", 1, [](Inputs& inputs) { inputs.pop_back(); },
       "kelvaro:nargin", "6 inputs"},
      {"no inputs", 1, [](Inputs& inputs) { inputs.clear(); }, "kelvaro:nargin",
       "6 inputs"},
      {"three outputs", 3, [](Inputs&) {}, "kelvaro:nargout", "2 outputs"},
      {"x rows without columns", 1,
       replace(0, {ArrayClass::double_class, 2, 0, {}}), "kelvaro:xSize",
       "input 1 (x)"},
      {"x rows beyond 32 bits", 1,
       replace(0, {ArrayClass::double_class, std::size_t{1} << 31, 0, {}}),
       "kelvaro:tooManySamples", "input 1 (x)"},
      {"lambda shorter than x", 1,
       replace(1, {ArrayClass::double_class, 1, 1, {5}}), "kelvaro:lambdaSize",
       "input 2 (lambda)"},
      {"lambda empty", 1, replace(1, {ArrayClass::double_class, 0, 0, {}}),
       "kelvaro:lambdaSize", "input 2 (lambda)"},
  };
  for (const Argument& argument : kArrayArguments) {
    add_type_refusals(
        refusals, argument,
        {std::begin(kNonDoubleColumns), std::end(kNonDoubleColumns)});
  }
  for (const Argument& argument : kScalarArguments) {
    add_type_refusals(refusals, argument,
                      {std::begin(kNonScalars), std::end(kNonScalars)});
  }

  constexpr double kInf = std::numeric_limits<double>::infinity();
  const double bad_max_sums[] = {std::nan(""), kInf,         -kInf, -1,
                                 -7.9,         2147483648.0, 1e10};
  for (const double max_sum : bad_max_sums) {
    refusals.push_back({"MAX_SUM " + std::to_string(max_sum), 1,
                        replace(3, {ArrayClass::double_class, 1, 1, {max_sum}}),
                        "kelvaro:maxSum", "input 4 (MAX_SUM)"});
  }
  return refusals;
}

void PrintTo(const Refusal& refusal, std::ostream* out) {
  *out << refusal.name;
}

class RefusalTest : public ::testing::TestWithParam<Refusal> {};

TEST_P(RefusalTest, StopsTheCallBeforeAnyOutputExists) {
  const Refusal& refusal = GetParam();
  Inputs inputs = valid_inputs();
  refusal.spoil(inputs);

  const standin::CallResult result =
      standin::call_module(&mexFunction, refusal.nlhs, handles_of(inputs));

  ASSERT_TRUE(result.error);
  EXPECT_EQ(result.error->identifier(), refusal.identifier);
  const std::string message = result.error->what();
  EXPECT_NE(message.find(refusal.argument), std::string::npos) << message;
  EXPECT_NE(message.rfind("kelvaro:", 0), 0u) << message;
  EXPECT_EQ(result.arrays_created, 0u);
  EXPECT_FALSE(result.wrote_past_slots);
  for (const standin::Array& output : result.outputs) {
    EXPECT_EQ(output, nullptr);
  }
  EXPECT_TRUE(result.messages.empty());
}

// The host goes on after a refused call: the next call gives the same bits
// and messages as one made before it.
TEST_P(RefusalTest, NextCallGivesCorrectResults) {
  const auto valid_call = [] {
    const Inputs inputs = testing::column_inputs(
        {0.1, 1, 5, 20, 100}, {5, 5, 5, 50, 500}, 3.5, 5, 1e-12, 0.0);
    return standin::call_module(&mexFunction, 2, handles_of(inputs));
  };
  const standin::CallResult before = valid_call();

  Inputs inputs = valid_inputs();
  GetParam().spoil(inputs);
  const standin::CallResult refused =
      standin::call_module(&mexFunction, GetParam().nlhs, handles_of(inputs));
  ASSERT_TRUE(refused.error);

  const standin::CallResult after = valid_call();
  ASSERT_FALSE(after.error);
  EXPECT_EQ(after.messages, before.messages);
  for (std::size_t output = 0; output < 2; ++output) {
    EXPECT_TRUE(testing::same_bits(
        standin::contents_of(after.outputs[output].get()).real,
        standin::contents_of(before.outputs[output].get()).real));
  }
}

INSTANTIATE_TEST_SUITE_P(Gateway, RefusalTest,
                         ::testing::ValuesIn(all_refusals()),
                         [](const auto& info) {
                           return testing::test_name(info.param.name);
                         });

}  // namespace
}  // namespace kelvaro
