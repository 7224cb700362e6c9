## Runs with the address space capped at a few GiB, below the table for
## the largest MAX_SUM (2^31 doubles, 16 GiB): the call stops with an error
## that names MAX_SUM, and the session goes on.

%!test
%! limits = fileread ("/proc/self/limits");
%! cap = regexp (limits, 'Max address space\s+(\d+)', "tokens", "once");
%! assert (! isempty (cap) && str2double (cap{1}) < 2^34,
%!         "run this file with the address space capped below 16 GiB");
%! try
%!   kelvaro ([0.1; 1], [5; 5], 3.5, 2^31 - 1, 1e-12, gammaln (1.75));
%!   error ("no error");
%! catch err
%!   assert (err.identifier, "kelvaro:outOfMemory");
%!   assert (regexp (err.message, '^kelvaro: (?!kelvaro).*input 4 \(MAX_SUM\)'),
%!           1);
%! end_try_catch
%! assert (kelvaro ([0.1; 1], [5; 5], 3.5, 1000, 1e-12, gammaln (1.75)),
%!         [0.00481980663998; 0.0305340640580], -2e-11);
