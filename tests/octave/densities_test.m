## kelvaro's densities inside Octave, against the Bessel form of the
## noncentral chi-square density and against the module's documented
## examples of truncated series.

## With a tiny tol and a MAX_SUM far beyond the largest term the series is
## complete, so kelvaro must give the density itself. The kernel agrees
## with 60-digit references to about 6e-13; the Bessel form adds its own
## rounding, so 1e-11 relative leaves room without hiding a wrong term.
%!test
%! [x, lambda] = ndgrid ([0.01 0.5 1 5 20 100 400], [0.01 1 5 50 300]);
%! x = x(:);
%! lambda = lambda(:);
%! for df = [1 2 3.5 10 50]
%!   density = kelvaro (x, lambda, df, 10000, 1e-300, gammaln (df / 2));
%!   assert (density, ncx2_bessel_density (x, df, lambda), -1e-11);
%! endfor

## Truncated sums: the values printed with the module's examples, to the
## 12 significant digits given there.
%!test
%! x = [0.1; 1; 5; 20; 100];
%! lambda = [5; 5; 5; 50; 500];
%! cases = {
%!   1000, [0.00481980663998; 0.0305340640580; 0.0861111372850;
%!          0.000854598667568; 5.14820963107e-37]
%!   5,    [0.00481980663997; 0.0305340378098; 0.0859069019571;
%!          3.58009513500e-8; 2.72339704896e-114]
%!   0,    [0.00449160461989; 0.0161053068231; 0.00728798621396;
%!          1.92893715651e-15; 5.26632767485e-130]
%! };
%! for c = 1:rows (cases)
%!   [max_sum, expected] = cases{c, :};
%!   evalc ("density = kelvaro (x, lambda, 3.5, max_sum, 1e-12, gammaln (1.75));");
%!   assert (density, expected, -2e-11);
%! endfor

## tol closes both walks unless it is positive and finite: every density is
## exactly +0 and nothing is warned, even where MAX_SUM = 0 would warn.
%!test
%! for tol = [0, -1, Inf, NaN]
%!   text = evalc ("density = kelvaro ([1; 5], [5; 5], 3.5, 0, tol, 0);");
%!   assert (density, [0; 0]);
%!   assert (text, "");
%! endfor

## Outside the meaningful range the results are NaN, not errors.
%!test
%! density = kelvaro ([0; -1; NaN; 1], [5; 5; 5; 0], 3.5, 1000, 1e-12, 0);
%! assert (all (isnan (density)));
