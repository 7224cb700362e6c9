#include "ratio_reporter.h"

#include <algorithm>
#include <cstdio>

namespace kelvaro::bench {

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    const bool repeated = run.repetitions > 1;
    if (repeated ? run.aggregate_name != "median" && run.aggregate_name != "min"
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
    figures_[repeated ? run.aggregate_name : ""][workload]
            [name.substr(slash + 1)] = {run.counters.at("ns_per_sample").value,
                                        run.counters.at("ns_per_term").value};
  }
}

void RatioReporter::print_table(const std::string& title,
                                const Table& of) const {
  const char* const baselines[] = {"literal", "rmath", "boost"};
  std::printf("\n%-24s%12s%12s%12s%12s%12s\n", title.c_str(), "ns/sample",
              "ns/term", "x literal", "x R", "x Boost");
  for (const auto& [implementation, figures] : of) {
    std::printf("  %-22s%12.1f%12.2f", implementation.c_str(),
                figures.ns_per_sample, figures.ns_per_term);
    if (implementation.rfind("kelvaro", 0) == 0) {
      const bool extended =
          implementation.find("extended") != std::string::npos;
      for (const char* baseline : baselines) {
        std::string match = baseline;
        if (match == "literal") match += extended ? "_extended" : "_double";
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

void RatioReporter::Finalize() {
  ConsoleReporter::Finalize();
  const std::pair<const char*, const char*> statistics[] = {
      {"", ""}, {"median", ", medians"}, {"min", ", fastest repetitions"}};
  for (const auto& [statistic, label] : statistics) {
    const auto found = figures_.find(statistic);
    if (found == figures_.end()) continue;
    for (const std::string& workload : workload_order_) {
      const auto table = found->second.find(workload);
      if (table != found->second.end()) {
        print_table(workload + label, table->second);
      }
    }
  }
  std::fflush(stdout);
}

}  // namespace kelvaro::bench
