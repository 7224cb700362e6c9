## Octave can turn warnings into errors. The MAX_SUM warning then leaves
## the module by an exception from inside the series walk: the call stops
## with the warning's text, the walk's table is released on the way out,
## and the session's later calls are unaffected.

%!function kib = address_space_kib ()
%!  status = fileread ("/proc/self/status");
%!  kib = str2double (regexp (status, 'VmSize:\s*(\d+)', "tokens", "once"));
%!endfunction

%!test
%! message = ["adding up of infinite sum is stopped because MAX_SUM is ", ...
%!            "reached at sample point:"];
%! ## x = Inf puts the walk's start at MAX_SUM, so the whole table of
%! ## MAX_SUM + 1 doubles is built before the warning. At 36 MB it is above
%! ## the C library's largest threshold for blocks of their own mapping,
%! ## so freeing it shrinks the address space again.
%! max_sum = 4.5e6;
%! table_kib = (max_sum + 1) * 8 / 1024;
%! saved = warning ();
%! warning ("error", "");  # the MAX_SUM warning has no identifier
%! unwind_protect
%!   before = address_space_kib ();
%!   for attempt = 1:3
%!     try
%!       density = kelvaro ([1; Inf], [5; 5], 3.5, max_sum, 1e-12, 0);
%!       error ("the warning did not stop the call");
%!     catch err
%!       assert (err.message, message);
%!     end_try_catch
%!   endfor
%!   growth = address_space_kib () - before;
%! unwind_protect_cleanup
%!   warning (saved);
%! end_unwind_protect
%! assert (exist ("density", "var"), 0);
%! assert (growth < table_kib, "address space grew by %d KiB", growth);
%! assert (kelvaro ([0.1; 1], [5; 5], 3.5, 1000, 1e-12, gammaln (1.75)),
%!         [0.00481980663998; 0.0305340640580], -2e-11);
