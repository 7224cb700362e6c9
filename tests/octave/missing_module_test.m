## Runs with the help file on the path but no compiled module: a call says
## that kelvaro.mex is missing and how to build it, and help still works.

%!test
%! [folder, ~, extension] = fileparts (which ("kelvaro"));
%! assert (extension, ".m");
%! assert (exist (fullfile (folder, "kelvaro.mex"), "file"), 0);
%! try
%!   kelvaro ([0.1; 1], [5; 5], 3.5, 1000, 1e-12, 0);
%!   error ("no error");
%! catch err
%!   assert (err.identifier, "kelvaro:notBuilt");
%!   assert (! isempty (regexp (err.message, ['^kelvaro: .*kelvaro\.mex is ' ...
%!                                            'missing from .*' folder])));
%!   assert (! isempty (strfind (err.message, ...
%!           "cmake --build build --target kelvaro_octave")));
%! end_try_catch
%! assert (! isempty (strfind (get_help_text ("kelvaro"), "log_norm0")));
