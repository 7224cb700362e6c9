## Calls the module cannot serve stop with an error whose identifier names
## the fault and whose message names the argument. Octave puts the module's
## name before the message, so the message must not repeat it. The session
## goes on normally afterwards.

%!test
%! x = [0.1; 1];
%! lambda = [5; 5];
%! good = {x, lambda, 3.5, 1000, 1e-12, gammaln(1.75)};
%! with = @(position, value) [good(1:position - 1), {value}, ...
%!                            good(position + 1:end)];
%! cases = {
%!   ## inputs, outputs requested, identifier, message after "kelvaro: "
%!   good(1:5),                        1, "nargin",         "6 inputs"
%!   {},                               0, "nargin",         "6 inputs"
%!   good,                             3, "nargout",        "2 outputs"
%!   with(1, single(x)),               1, "xType",          "input 1 \\(x\\)"
%!   with(1, complex(x)),              1, "xType",          "input 1 \\(x\\)"
%!   with(1, sparse(x)),               1, "xType",          "input 1 \\(x\\)"
%!   with(1, int32(x)),                1, "xType",          "input 1 \\(x\\)"
%!   with(1, x > 0),                   1, "xType",          "input 1 \\(x\\)"
%!   with(1, "ab"),                    1, "xType",          "input 1 \\(x\\)"
%!   with(1, {0.1; 1}),                1, "xType",          "input 1 \\(x\\)"
%!   with(1, zeros(2, 0)),             1, "xSize",          "input 1 \\(x\\)"
%!   with(1, zeros(2^31, 0)),          1, "tooManySamples", "input 1 \\(x\\)"
%!   with(2, single(lambda)),          1, "lambdaType",     "input 2 \\(lambda\\)"
%!   with(2, sparse(lambda)),          1, "lambdaType",     "input 2 \\(lambda\\)"
%!   with(2, 5),                       1, "lambdaSize",     "input 2 \\(lambda\\)"
%!   with(3, [3 4]),                   1, "scalarType",     "input 3 \\(df\\)"
%!   with(3, []),                      1, "scalarType",     "input 3 \\(df\\)"
%!   with(4, "a"),                     1, "scalarType",     "input 4 \\(MAX_SUM\\)"
%!   with(5, 1e-12i),                  1, "scalarType",     "input 5 \\(tol\\)"
%!   with(6, {0}),                     1, "scalarType",     "input 6 \\(log_norm0\\)"
%!   with(4, -1),                      1, "maxSum",         "input 4 \\(MAX_SUM\\)"
%!   with(4, 2^31),                    1, "maxSum",         "input 4 \\(MAX_SUM\\)"
%!   with(4, Inf),                     1, "maxSum",         "input 4 \\(MAX_SUM\\)"
%!   with(4, NaN),                     1, "maxSum",         "input 4 \\(MAX_SUM\\)"
%! };
%! for c = 1:rows (cases)
%!   [inputs, outputs, identifier, named] = cases{c, :};
%!   outputs_given = cell (1, outputs);
%!   try
%!     [outputs_given{:}] = kelvaro (inputs{:});
%!     error ("case %d (%s): no error", c, identifier);
%!   catch err
%!     assert (strcmp (err.identifier, ["kelvaro:" identifier]) &&
%!             ! isempty (regexp (err.message,
%!                                ["^kelvaro: (?!kelvaro)[^\\n]*" named])),
%!             "case %d: %s %s", c, err.identifier, err.message);
%!   end_try_catch
%! endfor
%! ## After all of these, the module still works in this session.
%! assert (kelvaro (good{:}), [0.00481980663998; 0.0305340640580], -2e-11);
