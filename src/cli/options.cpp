#include "options.h"

#include <cmath>
#include <optional>
#include <string_view>

#include "input_error.h"
#include "number_text.h"

namespace kelvaro::cli {

const char kUsage[] =
    "usage: kelvaro-run --df DF --max-sum MAX_SUM --tol TOL "
    "[--log-norm0 LOG_NORM0] [FILE]\n"
    "\n"
    "Evaluates the kelvaro series once for all samples of FILE (standard\n"
    "input when FILE is missing or -) and prints one density per line.\n"
    "Each line of FILE holds one sample, 'x lambda', separated by blanks or\n"
    "one comma; blank lines and lines starting with # are skipped.\n"
    "\n"
    "  --df DF                 degrees of freedom\n"
    "  --max-sum MAX_SUM       largest series index (truncated toward zero)\n"
    "  --tol TOL               term tolerance\n"
    "  --log-norm0 LOG_NORM0   log-normaliser of index 0; by default\n"
    "                          ln Gamma(DF/2), which makes the output the\n"
    "                          noncentral chi-square density\n"
    "  --help                  show this text\n"
    "\n"
    "Options also take the form --name=VALUE. Warnings go to standard error.\n"
    "Exit status: 0 on success, warnings included; 2 on bad input.\n";

namespace {

struct NumericOptions {
  std::optional<double> df;
  std::optional<double> max_sum;
  std::optional<double> tol;
  std::optional<double> log_norm0;
};

struct NumericOption {
  std::string_view name;
  std::optional<double> NumericOptions::*value;
  bool required;
};

constexpr NumericOption kNumericOptions[] = {
    {"--df", &NumericOptions::df, true},
    {"--max-sum", &NumericOptions::max_sum, true},
    {"--tol", &NumericOptions::tol, true},
    {"--log-norm0", &NumericOptions::log_norm0, false},
};

const NumericOption& find_option(std::string_view name) {
  for (const NumericOption& option : kNumericOptions) {
    if (option.name == name) return option;
  }
  throw InputError("unknown option " + std::string(name));
}

double read_value(std::string_view name, std::string_view text) {
  double value = 0.0;
  if (const char* problem = read_number(text, value)) {
    throw InputError(std::string(name) + ": '" + std::string(text) + "' " +
                     problem);
  }
  return value;
}

}  // namespace

Options parse_options(int argc, const char* const argv[]) {
  Options options;
  NumericOptions values;
  bool has_file = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help") {
      options.help = true;
    } else if (argument.substr(0, 2) == "--") {
      const std::size_t equals = argument.find('=');
      const std::string_view name = argument.substr(0, equals);
      const NumericOption& option = find_option(name);
      std::string_view text;
      if (equals != std::string_view::npos) {
        text = argument.substr(equals + 1);
      } else if (i + 1 < argc) {
        text = argv[++i];
      } else {
        throw InputError(std::string(name) + " needs a value");
      }
      values.*option.value = read_value(name, text);
    } else if (argument.size() > 1 && argument.front() == '-') {
      throw InputError("unknown option " + std::string(argument));
    } else if (has_file) {
      throw InputError("more than one input file: '" + options.file +
                       "' and '" + std::string(argument) + "'");
    } else {
      options.file = argument;
      has_file = true;
    }
  }
  if (options.help) return options;

  for (const NumericOption& option : kNumericOptions) {
    if (option.required && !(values.*option.value)) {
      throw InputError("missing required option " + std::string(option.name));
    }
  }
  options.df = *values.df;
  options.max_sum = *values.max_sum;
  options.tol = *values.tol;
  options.log_norm0 = values.log_norm0.value_or(std::lgamma(options.df / 2));
  return options;
}

}  // namespace kelvaro::cli
