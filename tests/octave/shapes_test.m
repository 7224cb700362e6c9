## How the module reads Octave's arrays and fills its outputs: the number
## of samples is the row count of x, the samples are the first elements of
## x and lambda in storage order, and both outputs are columns of that
## length, whatever the inputs' shapes and the number of outputs asked for.

%!shared call, reference
%! ## kelvaro on the given x and lambda with fixed parameters
%! call = @(x, lambda, varargin) kelvaro (x, lambda, 3.5, 1000, 1e-12, ...
%!                                        gammaln (1.75), varargin{:});
%! ## densities of the samples (x, lambda) = (0.1, 5), (1, 5), (5, 5), (20, 50)
%! reference = call ([0.1; 1; 5; 20], [5; 5; 5; 50]);

%!test
%! cases = {
%!   ## description, x, lambda, densities expected
%!   "0 rows",               zeros(0, 1),     zeros(0, 1),     zeros(0, 1)
%!   "0 rows, 3 columns",    zeros(0, 3),     [],              zeros(0, 1)
%!   "a row: its first",     [1 5 20],        [5 5 50],        reference(2)
%!   "a matrix: first rows", [0.1 5; 1 20],   [5; 5],          reference(1:2)
%!   "3-d x: first rows",    cat(3, [1; 5], [0.1; 20]), [5; 5], reference(2:3)
%!   "longer lambda",        [0.1; 1],        [5; 5; 99; 99],  reference(1:2)
%!   "lambda a range",       [5; 20],         5:45:50,         reference(3:4)
%!   "lambda a matrix",      [0.1; 1; 5; 20], [5 5; 5 50],     reference
%! };
%! for c = 1:rows (cases)
%!   [description, x, lambda, expected] = cases{c, :};
%!   [density, zero_column] = call (x, lambda);
%!   try
%!     assert (density, expected);
%!     assert (zero_column, zeros (size (expected)));
%!   catch err
%!     error ("%s: %s", description, err.message);
%!   end_try_catch
%! endfor

## 0, 1 or 2 outputs, and inputs after the sixth, change no value.
%!test
%! x = [0.1; 1; 5; 20];
%! lambda = [5; 5; 5; 50];
%! call (x, lambda);
%! assert (ans, reference);
%! density = call (x, lambda);
%! assert (density, reference);
%! [density, zero_column] = call (x, lambda, "ignored", {1, 2}, []);
%! assert (density, reference);
%! assert (zero_column, zeros (4, 1));

## MAX_SUM is truncated toward zero and may come as any real numeric or
## logical scalar; df, tol and log_norm0 likewise. The sample at x = 50
## reaches index 40, so MAX_SUM 40 and 41 give different densities.
%!function density = quietly (varargin)
%!  evalc ("density = kelvaro (varargin{:});");
%!endfunction

%!test
%! x = [0.1; 50];
%! lambda = [5; 300];
%! density = @(max_sum) quietly (x, lambda, 3.5, max_sum, 1e-12, 0);
%! assert (density (41) != density (40), [false; true]);
%! assert (density (40.9), density (40));
%! assert (density (int32 (40)), density (40));
%! assert (density (-0.5), density (0));
%! assert (density (true), density (1));
%! assert (quietly (x, lambda, int8 (3), single (1000), 1e-12, true),
%!         quietly (x, lambda, 3, 1000, 1e-12, 1));
