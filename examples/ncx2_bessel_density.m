% NCX2_BESSEL_DENSITY  Noncentral chi-square density from its Bessel form.
%
%   f = ncx2_bessel_density (x, df, lambda) is, elementwise for x > 0 and
%   lambda > 0, the density with df degrees of freedom and noncentrality
%   lambda at x:
%
%     f = 1/2 exp (-(x + lambda)/2) (x/lambda)^(df/4 - 1/2)
%             I_(df/2 - 1) (sqrt (lambda x))
%
%   It shares nothing with the Poisson-weighted series that kelvaro sums,
%   which makes it a reference for kelvaro's results.
%
%   See also kelvaro, besseli.

function f = ncx2_bessel_density (x, df, lambda)
  % The scaled Bessel function I_nu(z) exp(-z) stays finite for large z,
  % and -(x + lambda)/2 + z is formed as -(sqrt(x) - sqrt(lambda))^2/2,
  % which loses no digits to cancellation when x and lambda are large.
  z = sqrt (lambda .* x);
  f = 0.5 * exp (-(sqrt (x) - sqrt (lambda)) .^ 2 / 2) ...
      .* (x ./ lambda) .^ (df / 4 - 0.5) .* besseli (df / 2 - 1, z, 1);
end
