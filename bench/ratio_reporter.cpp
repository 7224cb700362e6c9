#include "ratio_reporter.h"

#include <algorithm>
#include <cstdio>

namespace kelvaro::bench {

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    const bool repeated = run.repetitions > 1;
    if (repeated ? run.aggregate_name != "median"
                 : run.run_type != Run::RT_Iteration) {
      continue;
    }
    const std::string name = run.run_name.function_name;
    const std::size_t slash = name.find('/');
    const std::string workload = name.substr(0, slash);
    if (std::find(workload_order_.begin(), workload_order_.end(), workload) ==
        workload_order_.end()) {
      workload_order_.push_back(workload);
    }
    figures_[workload][name.substr(slash + 1)] = {
        run.counters.at("ns_per_sample").value,
        run.counters.at("ns_per_term").value};
  }
}

void RatioReporter::Finalize() {
  ConsoleReporter::Finalize();
  const char* const baselines[] = {"literal", "rmath", "boost"};
  for (const std::string& workload : workload_order_) {
    const auto& of = figures_[workload];
    std::printf("\n%-24s%12s%12s%12s%12s%12s\n", workload.c_str(), "ns/sample",
                "ns/term", "x literal", "x R", "x Boost");
    for (const auto& [implementation, figures] : of) {
      std::printf("  %-22s%12.1f%12.2f", implementation.c_str(),
                  figures.ns_per_sample, figures.ns_per_term);
      if (implementation.rfind("kelvaro", 0) == 0) {
        const bool extended =
            implementation.find("extended") != std::string::npos;
        for (const char* baseline : baselines) {
          std::string match = baseline;
          if (match == "literal") {
            match += extended ? "_extended" : "_double";
          }
          const auto found = of.find(match);
          if (found == of.end()) {
            std::printf("%12s", "-");
          } else {
            std::printf("%12.2f",
                        found->second.ns_per_sample / figures.ns_per_sample);
          }
        }
      }
      std::printf("\n");
    }
  }
  std::fflush(stdout);
}

}  // namespace kelvaro::bench
