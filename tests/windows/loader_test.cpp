// kelvaro.dll under a real Windows loader: loaded by file name, its start-up
// run, its entry point found by name and by ordinal, its version strings
// read, and calls made through stand-in host libraries (libmx.dll and
// libmex.dll beside this program).
#include <windows.h>
#include <xmmintrin.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "call_module.h"
#include "host_arrays.h"
#include "x87.h"

namespace {

namespace standin = kelvaro::standin;
namespace x87 = kelvaro::x87;
using kelvaro::testing::handles_of;
using standin::Channel;
using standin::HostMessage;

int passed = 0;
int failed = 0;

void check(bool ok, const std::string& what) {
  if (ok) {
    ++passed;
  } else {
    ++failed;
    std::printf("FAILED: %s\n", what.c_str());
  }
}

// The module's start-up must set 53-bit precision on the loading thread and
// leave rounding and masks alone, whatever the host had set.
HMODULE load_module_with_host_fpu_state() {
  const std::uint16_t original = x87::control_word();
  const auto host_word = static_cast<std::uint16_t>(
      (original & ~x87::precision_control_mask & ~x87::rounding_control_mask) |
      x87::precision_64_bits | x87::round_downward);
  x87::set_control_word(host_word);
  // A masked zero divide leaves its flag pending.
  volatile long double zero = 0;
  volatile long double quotient = 1 / zero;
  (void)quotient;
  const bool flag_was_pending = (x87::status_word() & x87::exception_bits) != 0;

  const HMODULE module = LoadLibraryW(L"kelvaro.dll");
  const std::uint16_t after_load = x87::control_word();
  const std::uint16_t pending = x87::status_word() & x87::exception_bits;
  x87::set_control_word(original);

  check(module != nullptr, "LoadLibrary finds kelvaro.dll and its imports");
  check(flag_was_pending, "the host's zero-divide flag was pending");
  check(after_load == ((host_word & ~x87::precision_control_mask) |
                       x87::precision_53_bits),
        "loading sets 53-bit precision and keeps rounding and masks");
  check(pending == 0, "loading clears pending exception flags");
  return module;
}

standin::EntryPoint entry_point(HMODULE module, LPCSTR name) {
  return reinterpret_cast<standin::EntryPoint>(
      reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

void check_strings(HMODULE module) {
  struct Entry {
    UINT id;
    std::wstring text;  // empty: not in the table
  };
  const Entry entries[] = {{100, L"MATLAB R11 native"},
                           {101, L"not inlined"},
                           {99, L""},
                           {102, L""}};
  for (const Entry& entry : entries) {
    wchar_t buffer[64] = {};
    const int length = LoadStringW(module, entry.id, buffer, 64);
    check(length == static_cast<int>(entry.text.size()) && entry.text == buffer,
          "string " + std::to_string(entry.id));
  }
}

std::vector<HostMessage> warnings_for(const std::vector<int>& samples) {
  std::vector<HostMessage> messages;
  for (int i : samples) {
    messages.push_back({Channel::warning,
                        "adding up of infinite sum is stopped because "
                        "MAX_SUM is reached at sample point:"});
    messages.push_back({Channel::print, std::to_string(i) + " \n"});
  }
  return messages;
}

const double lgamma_1_75 = -0.08440112102048555;

standin::CallResult call_five_samples(standin::EntryPoint mex_function,
                                      double max_sum, std::size_t input_count) {
  std::vector<standin::Array> inputs =
      kelvaro::testing::column_inputs({0.1, 1, 5, 20, 100}, {5, 5, 5, 50, 500},
                                      3.5, max_sum, 1e-12, lgamma_1_75);
  inputs.resize(input_count);
  return standin::call_module(mex_function, 2, handles_of(inputs));
}

struct Evaluation {
  std::string name;
  double max_sum;
  std::vector<double> density;  // within 2e-11 relative
  std::vector<int> warned_samples;
};

void check_evaluation(standin::EntryPoint mex_function,
                      const Evaluation& call) {
  const standin::CallResult result =
      call_five_samples(mex_function, call.max_sum, 6);
  check(!result.error, call.name + ": not refused");
  if (result.error) return;
  check(result.messages == warnings_for(call.warned_samples),
        call.name + ": warnings");
  const auto& density = standin::contents_of(result.outputs[0].get());
  const auto& zeros = standin::contents_of(result.outputs[1].get());
  bool close = density.real.size() == call.density.size();
  for (std::size_t i = 0; close && i < call.density.size(); ++i) {
    close = std::fabs(density.real[i] / call.density[i] - 1) <= 2e-11;
  }
  check(close, call.name + ": densities");
  check(zeros.real == std::vector<double>(call.density.size(), 0.0),
        call.name + ": zero column");
}

struct Refusal {
  std::string name;
  double max_sum;
  std::size_t input_count;
  std::string identifier;
  std::string message;
};

void check_refusal(standin::EntryPoint mex_function, const Refusal& call) {
  const standin::CallResult result =
      call_five_samples(mex_function, call.max_sum, call.input_count);
  check(result.error && result.error->identifier() == call.identifier &&
            result.error->what() == call.message,
        call.name + ": refused with " + call.identifier);
  check(result.arrays_created == 0 && result.messages.empty(),
        call.name + ": nothing created or said");
}

// The host's SSE state, where x86-64 computes doubles (rounding upward, a
// zero-divide flag pending), reaches no result and comes back unchanged.
void check_sse_state_of_host(standin::EntryPoint mex_function) {
  const auto density_of = [&] {
    return standin::contents_of(
               call_five_samples(mex_function, 1000, 6).outputs[0].get())
        .real;
  };
  const std::vector<double> to_nearest = density_of();
  const unsigned int original = _mm_getcsr();
  const unsigned int host_state =
      (original & ~_MM_ROUND_MASK) | _MM_ROUND_UP | _MM_EXCEPT_DIV_ZERO;
  _mm_setcsr(host_state);
  const std::vector<double> upward = density_of();
  const unsigned int after = _mm_getcsr();
  _mm_setcsr(original);
  check(kelvaro::testing::same_bits(upward, to_nearest),
        "the host's SSE rounding mode changes no result");
  check(after == host_state, "the host's MXCSR is given back unchanged");
}

}  // namespace

int main() {
  const HMODULE module = load_module_with_host_fpu_state();
  if (module == nullptr) {
    std::printf("%d passed, %d failed\n", passed, failed);
    return 1;
  }
  const auto by_name = entry_point(module, "mexFunction");
  const auto by_ordinal = entry_point(module, MAKEINTRESOURCEA(1));
  check(by_name != nullptr && by_name == by_ordinal,
        "mexFunction is export ordinal 1");
  check_strings(module);

  const std::vector<Evaluation> evaluations = {
      {"five samples",
       1000,
       {0.00481980663998, 0.0305340640580, 0.0861111372850, 0.000854598667568,
        5.14820963107e-37},
       {}},
      {"MAX_SUM 5 warns for every sample",
       5,
       {0.00481980663997, 0.0305340378098, 0.0859069019571, 3.58009513500e-8,
        2.72339704896e-114},
       {0, 1, 2, 3, 4}},
      {"MAX_SUM 0 warns for every sample",
       0,
       {0.00449160461989, 0.0161053068231, 0.00728798621396, 1.92893715651e-15,
        5.26632767485e-130},
       {0, 1, 2, 3, 4}},
  };
  const std::vector<Refusal> refusals = {
      {"five inputs", 1000, 5, "kelvaro:nargin",
       "needs 6 inputs: x, lambda, df, MAX_SUM, tol, log_norm0"},
      {"negative MAX_SUM", -1, 6, "kelvaro:maxSum",
       "input 4 (MAX_SUM) must be a number from 0 to 2147483647 after "
       "truncation toward zero"},
  };
  // Refusals first: the host's error service unwinds through the module,
  // and the calls after it must still work.
  for (const Refusal& call : refusals) check_refusal(by_name, call);
  for (const Evaluation& call : evaluations) check_evaluation(by_name, call);
  check_sse_state_of_host(by_name);

  check(FreeLibrary(module) != 0, "FreeLibrary");
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
