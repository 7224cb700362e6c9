// Prints, after Google Benchmark's own lines, one table per workload: ns
// per sample and per term of every implementation (CPU time) and how many
// times faster the kernel is than each. With repetitions there are two
// tables: of the medians, and of the fastest repetitions, which show what
// the code does when nothing else on the machine gets in its way.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace kelvaro::bench {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  struct Figures {
    double ns_per_sample;
    double ns_per_term;
  };
  using Table = std::map<std::string, Figures>;
  void print_table(const std::string& title, const Table& of) const;

  // By statistic ("median", "min", or "" for a single run), then workload
  // (benchmark names are "workload/implementation").
  std::map<std::string, std::map<std::string, Table>> figures_;
  std::vector<std::string> workload_order_;
};

}  // namespace kelvaro::bench
