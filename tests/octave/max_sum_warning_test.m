## The MAX_SUM warning as Octave shows it: the text on Octave's warning
## channel (and in lastwarn), each followed by the zero-based index of the
## sample printed on the next line, in sample order.

%!function text = output_of (call)
%!  ## Octave adds "called from" lines to warnings issued inside functions;
%!  ## they are Octave's, not the module's.
%!  state = warning ("query", "backtrace");
%!  warning ("off", "backtrace");
%!  unwind_protect
%!    text = evalc ("call ();");
%!  unwind_protect_cleanup
%!    warning (state.state, "backtrace");
%!  end_unwind_protect
%!endfunction

%!shared message
%! message = ["adding up of infinite sum is stopped because MAX_SUM is ", ...
%!            "reached at sample point:"];

%!test
%! cases = {
%!   ## x, lambda, MAX_SUM, samples warned about (zero-based)
%!   [0.1; 50; 1; 200; 5; 400], [5; 300; 5; 300; 5; 300], 40, [1 3 5]
%!   [0.1; 1; 5; 20; 100],      [5; 5; 5; 50; 500],       5,  0:4
%!   [0.1; 1; 5; 20; 100],      [5; 5; 5; 50; 500],       0,  0:4
%!   [0.1; 1; 5; 20; 100],      [5; 5; 5; 50; 500],       1000, []
%!   [1; 1000; 1],              [2; 1000; 2],             30, 1
%!   [1; Inf],                  [5; 5],                   1000, 1
%! };
%! for c = 1:rows (cases)
%!   [x, lambda, max_sum, warned] = cases{c, :};
%!   lastwarn ("");
%!   text = output_of (@() kelvaro (x, lambda, 3.5, max_sum, 1e-12, ...
%!                                  gammaln (1.75)));
%!   expected = "";
%!   for i = warned
%!     expected = [expected sprintf("warning: %s\n%d \n", message, i)];
%!   endfor
%!   assert (text, expected);
%!   [last, id] = lastwarn ();
%!   if (isempty (warned))
%!     assert (last, "");
%!   else
%!     assert (last, message);
%!     assert (id, "");
%!   endif
%! endfor
