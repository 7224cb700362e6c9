// Calls mexFunction through the stand-in host with whatever a caller could
// pass: any number of inputs and outputs, any class, complexity, sparsity,
// shape and contents. The call must either stop through the host's error
// service with a kelvaro: identifier and no outputs, or return outputs of
// the documented shape; it never writes past its output slots and never
// changes an input.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "call_module.h"
#include "fuzz_values.h"
#include "mex_api.h"

namespace kelvaro::fuzzing {
namespace {

using standin::ArrayClass;
using standin::ArrayContents;

void require(bool condition) {
  if (!condition) std::abort();
}

bool same_bits(const std::vector<double>& a, const std::vector<double>& b) {
  return a.size() == b.size() &&
         (a.empty() ||
          std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0);
}

bool same_contents(const ArrayContents& a, const ArrayContents& b) {
  return a.array_class == b.array_class && a.rows == b.rows &&
         a.cols == b.cols && a.sparse == b.sparse &&
         same_bits(a.real, b.real) && same_bits(a.imag, b.imag);
}

ArrayContents draw_array(FuzzedDataProvider& input) {
  ArrayContents contents;
  contents.array_class = input.PickValueInArray(
      {ArrayClass::double_class, ArrayClass::double_class,
       ArrayClass::double_class, ArrayClass::single_class,
       ArrayClass::int32_class, ArrayClass::logical_class,
       ArrayClass::char_class, ArrayClass::cell_class});
  contents.rows = input.ConsumeIntegralInRange<std::size_t>(0, 12);
  contents.cols = input.ConsumeIntegralInRange<std::size_t>(0, 3);
  if (contents.array_class == ArrayClass::cell_class) return contents;
  const std::size_t count = contents.rows * contents.cols;
  const bool complex = input.ConsumeIntegralInRange(0, 7) == 0;
  contents.sparse = input.ConsumeIntegralInRange(0, 7) == 0 &&
                    contents.array_class == ArrayClass::double_class;
  for (std::size_t i = 0; i < count; ++i) {
    contents.real.push_back(draw_double(input));
    if (complex) contents.imag.push_back(draw_double(input));
  }
  return contents;
}

// A MAX_SUM the gateway accepts above 2^20 could have a sample fill a table
// of gigabytes (the tests cover 2^31 - 1 itself); such values are moved to
// 2^31, the first one refused, so the fuzzer still probes that boundary.
void keep_tables_small(std::vector<ArrayContents>& given) {
  if (given.size() < 4 || given[3].real.empty()) return;
  double& max_sum = given[3].real[0];
  if (max_sum >= 1048576.0 && max_sum < 2147483648.0) max_sum = 2147483648.0;
}

void check_outputs(const standin::CallResult& result, int nlhs,
                   std::size_t rows) {
  require(result.outputs[0] != nullptr);
  for (std::size_t slot = 0; slot < result.outputs.size(); ++slot) {
    const bool expected = slot == 0 || (slot == 1 && nlhs >= 2);
    require((result.outputs[slot] != nullptr) == expected);
    if (!expected) continue;
    const ArrayContents& output =
        standin::contents_of(result.outputs[slot].get());
    require(output.array_class == ArrayClass::double_class);
    require(output.rows == rows && output.cols == 1);
    require(output.imag.empty() && !output.sparse);
    if (slot == 1) {
      for (double zero : output.real)
        require(zero == 0.0 && !std::signbit(zero));
    }
  }
}

}  // namespace
}  // namespace kelvaro::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  using namespace kelvaro;
  using namespace kelvaro::fuzzing;
  FuzzedDataProvider input(data, size);
  const int nlhs = input.ConsumeIntegralInRange(0, 3);
  const int nrhs = input.ConsumeIntegralInRange(0, 8);
  std::vector<ArrayContents> given;
  std::vector<standin::Array> arrays;
  for (int i = 0; i < nrhs; ++i) {
    // Mostly scalars for inputs 3 onward, as a real caller passes them.
    if (i >= 2 && input.ConsumeBool()) {
      given.push_back({ArrayClass::double_class, 1, 1, {draw_double(input)}});
    } else {
      given.push_back(draw_array(input));
    }
  }
  keep_tables_small(given);
  for (const ArrayContents& contents : given) {
    arrays.push_back(standin::make_array(contents));
  }
  std::vector<const mxArray*> inputs;
  for (const auto& array : arrays) inputs.push_back(array.get());

  const standin::CallResult result =
      standin::call_module(mexFunction, nlhs, inputs);

  require(!result.wrote_past_slots);
  if (nrhs < 6 || nlhs > 2) require(result.error.has_value());
  for (std::size_t i = 0; i < arrays.size(); ++i) {
    require(same_contents(standin::contents_of(arrays[i].get()), given[i]));
  }
  if (result.error) {
    require(result.error->identifier().rfind("kelvaro:", 0) == 0);
    for (const auto& output : result.outputs) require(output == nullptr);
  } else {
    check_outputs(result, nlhs, given[0].rows);
  }
  return 0;
}
