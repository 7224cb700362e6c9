// The command line of kelvaro-run.
#pragma once

#include <string>

namespace kelvaro::cli {

struct Options {
  double df = 0.0;
  double max_sum = 0.0;
  double tol = 0.0;
  // ln Gamma(df / 2) unless given, which makes the densities those of the
  // noncentral chi-square distribution.
  double log_norm0 = 0.0;
  // Empty or "-" for standard input.
  std::string file;
  bool help = false;
};

extern const char kUsage[];

// Options as --name VALUE or --name=VALUE, and at most one file. Throws
// InputError for an unknown, incomplete or missing option or a value that
// is not a number; with --help the other options may be missing.
Options parse_options(int argc, const char* const argv[]);

}  // namespace kelvaro::cli
