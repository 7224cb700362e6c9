## The built module and its help file side by side: Octave calls the
## compiled module, shows the help file's text for it, and the example in
## that text runs and gives densities.

%!test
%! [~, ~, extension] = fileparts (which ("kelvaro"));
%! assert (extension, ".mex");

%!test
%! text = get_help_text ("kelvaro");
%! identifiers = {"nargin", "nargout", "xType", "xSize", "tooManySamples", ...
%!                "lambdaType", "lambdaSize", "scalarType", "maxSum", ...
%!                "outOfMemory", "notBuilt"};
%! named = [{"kelvaro (x, lambda, df, MAX_SUM, tol, log_norm0)", ...
%!           "density", "zero_column", "gammaln (df/2)", ...
%!           "adding up of infinite sum is stopped because MAX_SUM is"}, ...
%!          strcat("kelvaro:", identifiers)];
%! for n = 1:numel (named)
%!   assert (! isempty (strfind (text, named{n})), "help lacks '%s'", named{n});
%! endfor

## The example's tol of 1e-12 bounds each term left out, so its densities
## (0.00085 and above) are within 1e-8 relative of the complete series.
%!test
%! text = get_help_text ("kelvaro");
%! example = regexp (text, 'Example\n(.*?)\n\s*See also', "tokens", "once"){1};
%! evalc (example);
%! assert (density, ncx2_bessel_density (x, df, lambda), -1e-8);
%! assert (zero_column, zeros (size (x)));
