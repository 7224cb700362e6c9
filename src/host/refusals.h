// Every reason the gateway refuses a call, as the host's error service
// shows it: an identifier callers can match on and a message naming the
// argument and what it must be. Messages do not start with the module's
// name because some hosts prefix it themselves.
#pragma once

namespace kelvaro {

struct Refusal {
  const char* identifier;
  const char* message;
};

namespace refusals {

inline constexpr Refusal input_count{
    "kelvaro:nargin", "needs 6 inputs: x, lambda, df, MAX_SUM, tol, log_norm0"};
inline constexpr Refusal output_count{
    "kelvaro:nargout", "gives at most 2 outputs: density, zero_column"};
inline constexpr Refusal x_type{
    "kelvaro:xType",
    "input 1 (x) must be a real, full (non-sparse) double array"};
inline constexpr Refusal too_many_samples{
    "kelvaro:tooManySamples",
    "input 1 (x) must have at most 2147483647 rows (one sample per row)"};
inline constexpr Refusal x_size{
    "kelvaro:xSize",
    "input 1 (x) must have at least one column when it has rows"};
inline constexpr Refusal lambda_type{
    "kelvaro:lambdaType",
    "input 2 (lambda) must be a real, full (non-sparse) double array"};
inline constexpr Refusal lambda_size{
    "kelvaro:lambdaSize",
    "input 2 (lambda) must hold at least as many elements as input 1 (x) has "
    "rows"};
// Indexed by input position minus 3.
inline constexpr Refusal scalar_type[] = {
    {"kelvaro:scalarType",
     "input 3 (df) must be a real numeric or logical scalar"},
    {"kelvaro:scalarType",
     "input 4 (MAX_SUM) must be a real numeric or logical scalar"},
    {"kelvaro:scalarType",
     "input 5 (tol) must be a real numeric or logical scalar"},
    {"kelvaro:scalarType",
     "input 6 (log_norm0) must be a real numeric or logical scalar"},
};
inline constexpr Refusal max_sum_range{
    "kelvaro:maxSum",
    "input 4 (MAX_SUM) must be a number from 0 to 2147483647 after truncation "
    "toward zero"};
inline constexpr Refusal out_of_memory{
    "kelvaro:outOfMemory",
    "not enough memory for the table of MAX_SUM + 1 log-normalisers; input 4 "
    "(MAX_SUM) is too large"};

}  // namespace refusals
}  // namespace kelvaro
