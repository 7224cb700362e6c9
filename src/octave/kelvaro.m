% KELVARO  Noncentral chi-square densities summed as a Poisson-weighted series.
%
%   [density, zero_column] = kelvaro (x, lambda, df, MAX_SUM, tol, log_norm0)
%
%   For every sample point x(i) with noncentrality lambda(i), kelvaro sums
%   the terms
%
%     t(k) = exp (k*log (lambda(i)*x(i)/4) + (df-2)/2*log (x(i)/2)
%                 - (lambda(i) + x(i))/2 - log_norm(k))
%
%   with log_norm(0) = log_norm0 and
%   log_norm(j) = log_norm(j-1) + log ((j + (df-2)/2)*j). It starts near
%   the largest term, walks up and then down until a term is not above tol,
%   and returns half the sum. With log_norm0 = gammaln (df/2) that is the
%   noncentral chi-square probability density with df degrees of freedom
%   and noncentrality lambda(i) at x(i).
%
%   Inputs
%     x          real double array. Each row is one sample point: there are
%                rows (x) samples, the first rows (x) elements of x.
%     lambda     real double array with at least rows (x) elements;
%                lambda(i) is the noncentrality of sample i.
%     df         real scalar: degrees of freedom, shared by all samples.
%     MAX_SUM    real scalar: the largest series index, truncated toward
%                zero; it must then lie in 0 ... 2147483647.
%     tol        real scalar: each walk stops after the first term that is
%                not above tol (an absolute bound, e.g. 1e-12). With
%                tol <= 0, Inf or NaN every density is 0.
%     log_norm0  real scalar: the first log-normaliser; gammaln (df/2) for
%                the noncentral chi-square density.
%     Inputs after the sixth are ignored.
%
%   Outputs
%     density      rows (x)-by-1 column of the halved sums.
%     zero_column  rows (x)-by-1 column of zeros.
%
%   Warning
%     When the upward walk of sample i reaches the term with index MAX_SUM,
%     that sample's series is cut there: kelvaro warns
%       adding up of infinite sum is stopped because MAX_SUM is reached at
%       sample point:
%     and prints the zero-based sample index i-1 on the next line. The
%     density is still returned; a larger MAX_SUM gives the full series.
%     x <= 0, lambda <= 0 or NaN inputs give NaN densities, not errors.
%
%   Errors (identifier: cause)
%     kelvaro:nargin          fewer than six inputs
%     kelvaro:nargout         more than two outputs requested
%     kelvaro:xType           x is not a real, full double array
%     kelvaro:xSize           x has rows but no columns
%     kelvaro:tooManySamples  x has more than 2147483647 rows
%     kelvaro:lambdaType      lambda is not a real, full double array
%     kelvaro:lambdaSize      lambda has fewer elements than x has rows
%     kelvaro:scalarType      df, MAX_SUM, tol or log_norm0 is not a real
%                             numeric or logical scalar
%     kelvaro:maxSum          MAX_SUM is outside 0 ... 2147483647 after
%                             truncation (NaN and Inf included)
%     kelvaro:outOfMemory     no memory for MAX_SUM + 1 log-normalisers
%     kelvaro:notBuilt        kelvaro.mex is missing beside this file
%
%   Example
%     df = 3.5;
%     x = [0.1; 1; 5; 20];
%     lambda = [5; 5; 5; 50];
%     [density, zero_column] = kelvaro (x, lambda, df, 1000, 1e-12, ...
%                                       gammaln (df/2))
%
%   See also besseli, gammaln.

% Octave runs this file only when kelvaro.mex is not beside it: the compiled
% module takes precedence over the help file of the same name.
function varargout = kelvaro (varargin)
  error ("kelvaro:notBuilt", ...
         ["kelvaro: the compiled module kelvaro.mex is missing from %s. " ...
          "Build it in the kelvaro source folder with " ...
          "'cmake -S . -B build && cmake --build build --target " ...
          "kelvaro_octave' and add build/octave, where it lands, to " ...
          "Octave's path with addpath."], fileparts (mfilename ("fullpath")));
end
