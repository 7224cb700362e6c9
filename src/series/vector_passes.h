// The double arithmetic's two passes in vectors of one instruction set, for
// the files that each compile them for that set. Everything here has
// internal linkage, so no file can end up running another's instructions.
//
// A pass first decides, from the exponents alone, where it stops, and queues
// the exponents; the exponentials come later, all in one loop, and are then
// added one by one in visiting order. Deciding from L rather than from e^L
// keeps the loop's exit off the exponential's long latency, and leaves
// nothing for the exponential loop to wait on but its own work.
//
// Lanes (defined by the including file) supplies, for Vector, a vector of
// width doubles: broadcast, load and store (unaligned), exp (SLEEF's
// deterministic exponential of that width), reverse (lane order), and
// greater / greater_equal (bit j set where lane j of a is > / >= that of b;
// false for NaN). Arithmetic uses the compiler's vector operators: each
// lane is rounded as the scalar operation would be, and nothing is fused.
#pragma once

#include <cstdint>
#include <cstring>
#include <limits>

#include "pass_types.h"

namespace kelvaro {
namespace {

template <class Lanes>
class PassesOn {
  using Vector = typename Lanes::Vector;
  using Mask = unsigned;
  static constexpr int width = Lanes::width;
  static constexpr double infinity = std::numeric_limits<double>::infinity();
  static_assert(width <= TermBuffer::widest_vector);

  static constexpr Mask lanes_below(int count) {
    return (Mask{1} << count) - 1;
  }
  static constexpr Mask every_lane = lanes_below(width);

  // 0, 1, 2, ... in the lanes.
  static Vector lane_index() {
    alignas(64) static constexpr double index[] = {0, 1, 2, 3, 4, 5, 6, 7};
    return Lanes::load(index);
  }

  // t = e^L for finite L and NaN otherwise (the positive quiet NaN, as the
  // scalar term gives): L - L is 0 exactly for finite L and NaN for the rest.
  static Vector terms_of(Vector exponent) {
    const Vector nan =
        Lanes::broadcast(std::numeric_limits<double>::quiet_NaN());
    const auto finite = (exponent - exponent) == 0;
    return finite ? Lanes::exp(exponent) : nan;
  }

  // A sample's values in every lane, formed once per pass.
  struct SampleLanes {
    Vector v;
    Vector p_minus_q;
    Vector high;  // surely_above
    Vector low;   // surely_not_above
    Vector tol;
    Vector inf;

    explicit SampleLanes(const PassArgs& args)
        : v(Lanes::broadcast(args.v)),
          p_minus_q(Lanes::broadcast(args.p_minus_q)),
          high(Lanes::broadcast(args.surely_above)),
          low(Lanes::broadcast(args.surely_not_above)),
          tol(Lanes::broadcast(args.tol)),
          inf(Lanes::broadcast(infinity)) {}

    // L = ((v k) - (P - Q)) - log_norm[k], each operation rounded as in the
    // scalar term.
    Vector exponent(Vector index, Vector norm) const {
      return ((v * index) - p_minus_q) - norm;
    }

    // Lanes whose term is surely above tol, judged by the exponent alone.
    // L = +inf gives a NaN term, which is not above tol.
    Mask surely_above(Vector exponent) const {
      return Lanes::greater(exponent, high) & Lanes::greater(inf, exponent);
    }

    // Lanes in the narrow band around ln(tol), where only the term can
    // tell. A lane in it is never one surely above.
    Mask in_band(Vector exponent) const {
      return Lanes::greater_equal(exponent, low) &
             Lanes::greater_equal(high, exponent);
    }
  };

  // The lanes visited when the first lane not in `above` ends the pass. A
  // lane above tol has a finite exponent, so only this last one can have
  // another, and buffer learns of it.
  static int end_at(Vector exponent, Mask above, TermBuffer& buffer) {
    const int lanes = __builtin_ctz(~above) + 1;
    const Mask finite =
        Lanes::greater_equal(exponent - exponent, Lanes::broadcast(0.0));
    if ((finite >> (lanes - 1) & 1) == 0) buffer.all_finite = false;
    return lanes;
  }

  // How many of the first `used_lanes` lanes the pass visits: up to and
  // including the first whose term is not above tol, or all of them (then
  // not ending the pass).
  struct Visit {
    int lanes;
    bool ends_pass;
  };
  static Visit visit(Vector exponent, const SampleLanes& sample, int used_lanes,
                     TermBuffer& buffer) {
    const Mask used = lanes_below(used_lanes);
    Mask above = sample.surely_above(exponent) & used;
    if (above == used) return {used_lanes, false};
    if ((sample.in_band(exponent) & used) != 0) {
      above = Lanes::greater(terms_of(exponent), sample.tol) & used;
      if (above == used) return {used_lanes, false};
    }
    return {end_at(exponent, above, buffer), true};
  }

  // The first `count` lanes of values, the rest 0.
  static Vector load_first(const double* values, int count) {
    alignas(64) double lanes[width] = {};
    std::memcpy(lanes, values, count * sizeof(double));
    return Lanes::load(lanes);
  }

  static const double* entries_through(LogNormReach& log_norm,
                                       std::int64_t last) {
    if (last > log_norm.filled) log_norm.extend(log_norm, last);
    return log_norm.entries;
  }

  // The buffer's count lives in a local while a pass runs: the compiler
  // could not otherwise keep it in a register across the vector stores.
  static int make_room(TermBuffer& buffer, int queued) {
    if (queued <= TermBuffer::capacity - width) return queued;
    buffer.count = queued;
    add_queued(buffer);
    return 0;
  }

  // Entries k, k - 1, ..., k - count + 1 in ascending lanes, the rest 0.
  static Vector descending(const double* entries, std::int64_t k, int count) {
    if (count == width) {
      return Lanes::reverse(Lanes::load(entries + k - (width - 1)));
    }
    alignas(64) double lanes[width] = {};
    for (int j = 0; j < count; ++j) lanes[j] = entries[k - j];
    return Lanes::load(lanes);
  }

  // Indices k_start, k_start + 1, ..., up to MAX_SUM, in ascending lanes.
  static std::int64_t upward(const PassArgs& args, LogNormReach& log_norm,
                             TermBuffer& buffer) {
    const SampleLanes sample(args);
    double* const queue = buffer.values;
    int queued = buffer.count;
    std::int64_t k = args.k_start;
    while (k <= args.max_sum) {
      // Whole vectors of entries already filled: no call, no short vector.
      // The first vector with a lane not surely above tol ends the pass
      // here, unless a lane lies in the band.
      const std::int64_t last_whole =
          (log_norm.filled < args.max_sum ? log_norm.filled : args.max_sum) -
          (width - 1);
      const double* const filled = log_norm.entries;
      Vector index = Lanes::broadcast(static_cast<double>(k)) + lane_index();
      while (k <= last_whole && queued <= TermBuffer::capacity - width) {
        const Vector exponent = sample.exponent(index, Lanes::load(filled + k));
        const Mask above = sample.surely_above(exponent);
        Lanes::store(queue + queued, exponent);
        if (above != every_lane) {
          if (sample.in_band(exponent) != 0) break;
          const int lanes = end_at(exponent, above, buffer);
          buffer.count = queued + lanes;
          return k + lanes;
        }
        queued += width;
        k += width;
        index = index + Lanes::broadcast(width);
      }
      // One vector that may end the pass, be short, have a lane in the
      // band, reach past the filled entries or find the buffer full.
      const std::int64_t left = std::int64_t{args.max_sum} - k + 1;
      const int count = left < width ? static_cast<int>(left) : width;
      queued = make_room(buffer, queued);
      // Entries past MAX_SUM do not exist: a short vector loads only those
      // it covers.
      const double* reached = entries_through(log_norm, k + count - 1) + k;
      const Vector norm =
          count == width ? Lanes::load(reached) : load_first(reached, count);
      const Vector exponent = sample.exponent(index, norm);
      Lanes::store(queue + queued, exponent);
      const Visit visited = visit(exponent, sample, count, buffer);
      queued += visited.lanes;
      k += visited.lanes;
      if (visited.ends_pass) break;
    }
    buffer.count = queued;
    return k;
  }

  // Indices k_start - 1, k_start - 2, ..., down to 0: lane j holds index
  // k - j, so the queue stays in visiting order. The upward pass has filled
  // every entry below k_start.
  static void downward(const PassArgs& args, const LogNormReach& log_norm,
                       TermBuffer& buffer) {
    const SampleLanes sample(args);
    const double* const entries = log_norm.entries;
    double* const queue = buffer.values;
    int queued = buffer.count;
    std::int64_t k = std::int64_t{args.k_start} - 1;
    while (k >= 0) {
      Vector index = Lanes::broadcast(static_cast<double>(k)) - lane_index();
      while (k >= width - 1 && queued <= TermBuffer::capacity - width) {
        const Vector exponent =
            sample.exponent(index, descending(entries, k, width));
        const Mask above = sample.surely_above(exponent);
        Lanes::store(queue + queued, exponent);
        if (above != every_lane) {
          if (sample.in_band(exponent) != 0) break;
          buffer.count = queued + end_at(exponent, above, buffer);
          return;
        }
        queued += width;
        k -= width;
        index = index - Lanes::broadcast(width);
      }
      if (k < 0) break;
      const int count = k + 1 < width ? static_cast<int>(k + 1) : width;
      queued = make_room(buffer, queued);
      const Vector exponent =
          sample.exponent(index, descending(entries, k, count));
      Lanes::store(queue + queued, exponent);
      const Visit visited = visit(exponent, sample, count, buffer);
      queued += visited.lanes;
      if (visited.ends_pass) break;
      k -= count;
    }
    buffer.count = queued;
  }

  // The vector of exponents at `at` replaced by its terms; all_finite says
  // that every exponent in it is finite, so no NaN need be substituted.
  template <bool all_finite>
  static void exponentiate_vector(double* at) {
    const Vector exponent = Lanes::load(at);
    Lanes::store(at, all_finite ? Lanes::exp(exponent) : terms_of(exponent));
  }

  // Whole vectors: the lanes past count hold whatever was there and are
  // overwritten with their terms.
  static void exponentiate(double* values, int count) {
    for (int j = 0; j < count; j += width) {
      exponentiate_vector<false>(values + j);
    }
  }

  // The running sum is a double, rounded after every addition, in visiting
  // order. Each vector's terms are added after the next vector's
  // exponential is under way, so that the chain of additions runs
  // alongside the exponentials instead of after them.
  template <bool all_finite>
  static void add_terms(TermBuffer& buffer) {
    double* const values = buffer.values;
    const int count = buffer.count;
    double total = buffer.total;
    if (count > 0) exponentiate_vector<all_finite>(values);
    int j = 0;
    // A vector with another after it: a fixed run of additions, without
    // the loop test of a run of any length.
    for (; j + width < count; j += width) {
      exponentiate_vector<all_finite>(values + j + width);
      for (int lane = 0; lane < width; ++lane) total += values[j + lane];
    }
    for (; j < count; ++j) total += values[j];
    buffer.total = total;
    buffer.count = 0;
  }

  // Nearly always every exponent is finite and the NaN substitution can go.
  static void add_queued(TermBuffer& buffer) {
    if (buffer.all_finite) {
      add_terms<true>(buffer);
    } else {
      add_terms<false>(buffer);
    }
  }

  static SampleSum sum_sample(const PassArgs& args, LogNormReach& log_norm,
                              TermBuffer& buffer) {
    buffer.count = 0;
    buffer.total = 0.0;
    buffer.all_finite = true;
    const std::int64_t upward_end = upward(args, log_norm, buffer);
    downward(args, log_norm, buffer);
    add_queued(buffer);
    return {upward_end, buffer.total};
  }

 public:
  static constexpr VectorPasses table{&sum_sample, &exponentiate};
};

}  // namespace
}  // namespace kelvaro
