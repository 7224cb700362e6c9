% Noncentral chi-square densities from kelvaro in Octave, beside the Bessel
% form of the same density: a short table, and a plot of the density curves
% written to a PNG file.
%
% Needs kelvaro.mex and this folder on Octave's path (scripts/demo.sh sets
% both). The plot goes to the file named by the environment variable
% KELVARO_DEMO_PNG, or to kelvaro-demo.png in the current folder.

dfs = [2 5 10];
lambdas = [1 8];
x = (1:400)' / 10;
% A tol far below every density shown lets each walk run to the end of
% the series, so the table shows rounding alone; MAX_SUM is never reached.
MAX_SUM = 10000;
tol = 1e-300;

densities = zeros (numel (x), numel (dfs), numel (lambdas));
references = densities;
for d = 1:numel (dfs)
  for l = 1:numel (lambdas)
    df = dfs(d);
    lambda = repmat (lambdas(l), size (x));
    densities(:, d, l) = kelvaro (x, lambda, df, MAX_SUM, tol, gammaln (df / 2));
    references(:, d, l) = ncx2_bessel_density (x, df, lambda);
  end
end
relative = abs (densities - references) ./ references;

shown = [20 100 300];  % x = 2, 10 and 30
printf ("%4s %4s %5s %22s %22s %10s\n", "df", "lambda", "x", ...
        "kelvaro", "besseli form", "rel. diff");
for d = 1:numel (dfs)
  for l = 1:numel (lambdas)
    for i = shown
      printf ("%4g %6g %5g %22.15e %22.15e %10.1e\n", dfs(d), lambdas(l), ...
              x(i), densities(i, d, l), references(i, d, l), relative(i, d, l));
    end
  end
end
printf ("largest relative difference over all %d points: %.1e\n", ...
        numel (relative), max (relative(:)));

% Octave without a display draws with gnuplot; its notice about that
% toolkit and the one about a missing Ghostscript (not needed for
% pngcairo) say nothing about the demo.
saved_warnings = warning ();
warning ("off", "Octave:gnuplot-graphics");
warning ("off", "print:nogs");
unwind_protect
  figure_handle = figure ("visible", "off", "position", [0 0 800 500]);
  colours = lines (numel (dfs));
  styles = {"-", "--"};
  hold on;
  labels = {};
  for d = 1:numel (dfs)
    for l = 1:numel (lambdas)
      plot (x, densities(:, d, l), styles{l}, "color", colours(d, :), ...
            "linewidth", 1.5);
      labels{end + 1} = sprintf ("df = %g, lambda = %g", dfs(d), lambdas(l));
    end
  end
  marked = 1:25:numel (x);
  for d = 1:numel (dfs)
    for l = 1:numel (lambdas)
      plot (x(marked), references(marked, d, l), "o", "color", colours(d, :));
    end
  end
  hold off;
  legend (labels);
  xlabel ("x");
  ylabel ("density");
  title ("kelvaro (lines) and the besseli form (circles)");
  grid on;

  png = getenv ("KELVARO_DEMO_PNG");
  if (isempty (png))
    png = fullfile (pwd (), "kelvaro-demo.png");
  end
  if (strcmp (graphics_toolkit (figure_handle), "gnuplot"))
    device = "-dpngcairo";
  else
    device = "-dpng";
  end
  print (figure_handle, device, "-r100", png);
  close (figure_handle);
unwind_protect_cleanup
  warning (saved_warnings);
end_unwind_protect
printf ("plot written to %s\n", png);
