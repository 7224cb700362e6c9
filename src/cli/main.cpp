// kelvaro-run: evaluates the module on samples from a file or standard
// input through the stand-in host and prints the densities.
#include <cstdio>
#include <string>

#include "input_error.h"
#include "module_call.h"
#include "number_text.h"
#include "options.h"
#include "sample_input.h"

namespace {

constexpr int kBadInput = 2;
constexpr int kCannotWrite = 1;

void write_text(const std::string& text, std::FILE* stream) {
  std::fwrite(text.data(), 1, text.size(), stream);
}

}  // namespace

int main(int argc, char* argv[]) {
  using namespace kelvaro::cli;
  try {
    const Options options = parse_options(argc, argv);
    if (options.help) {
      std::fputs(kUsage, stdout);
      return 0;
    }
    const kelvaro::standin::CallResult result =
        call_kelvaro(options, read_sample_input(options.file));
    write_text(channel_text(result.messages), stderr);
    if (result.error) {
      throw InputError(std::string(result.error->what()) + " (" +
                       result.error->identifier() + ")");
    }
    const mxArray* density = result.outputs.front().get();
    write_number_lines(mxGetPr(density), mxGetNumberOfElements(density),
                       stdout);
  } catch (const InputError& error) {
    std::fprintf(stderr, "kelvaro-run: %s\n", error.what());
    return kBadInput;
  }
  if (std::fflush(stdout) != 0) {
    std::perror("kelvaro-run: cannot write the densities");
    return kCannotWrite;
  }
  return 0;
}
