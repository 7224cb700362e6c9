# Finds GNU Octave for the kelvaro.mex module and its tests. The module is
# linked against Octave's interpreter library, which exports the host
# operations the gateway declares itself; none of Octave's headers are used.
#
# Sets KELVARO_OCTAVE_FOUND, KELVARO_OCTAVE_CLI and KELVARO_OCTINTERP_LIBRARY.
# Without Octave the configuration goes on and the module is skipped, unless
# KELVARO_REQUIRE_OCTAVE is on (the test script sets it so that a missing
# Octave fails loudly instead of passing without the host).
option(KELVARO_REQUIRE_OCTAVE "Fail to configure when Octave is missing" OFF)

find_program(KELVARO_MKOCTFILE mkoctfile)
find_program(KELVARO_OCTAVE_CLI octave-cli)

set(KELVARO_OCTAVE_FOUND OFF)
if(KELVARO_SANITIZE)
  # Octave would have to load the sanitizer runtime before anything else.
  message(STATUS "kelvaro: sanitized build: the Octave module is skipped")
elseif(CMAKE_CROSSCOMPILING)
  # This machine's Octave loads only modules built for this machine.
  message(STATUS "kelvaro: cross build: the Octave module is skipped")
elseif(KELVARO_MKOCTFILE AND KELVARO_OCTAVE_CLI)
  execute_process(
    COMMAND "${KELVARO_MKOCTFILE}" -p OCTLIBDIR
    OUTPUT_VARIABLE _kelvaro_octave_libdir
    OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE _kelvaro_mkoctfile_result)
  if(_kelvaro_mkoctfile_result EQUAL 0)
    find_library(KELVARO_OCTINTERP_LIBRARY octinterp
      HINTS "${_kelvaro_octave_libdir}")
  endif()
  if(KELVARO_OCTINTERP_LIBRARY)
    set(KELVARO_OCTAVE_FOUND ON)
  endif()
endif()

if(KELVARO_OCTAVE_FOUND)
  execute_process(
    COMMAND "${KELVARO_OCTAVE_CLI}" --version
    OUTPUT_VARIABLE _kelvaro_octave_version
    ERROR_QUIET)
  string(REGEX MATCH "version [0-9.]+" _kelvaro_octave_version
    "${_kelvaro_octave_version}")
  message(STATUS "kelvaro: building the Octave module kelvaro.mex "
    "(GNU Octave ${_kelvaro_octave_version}, ${KELVARO_OCTINTERP_LIBRARY})")
elseif(KELVARO_SANITIZE OR CMAKE_CROSSCOMPILING)
elseif(KELVARO_REQUIRE_OCTAVE)
  message(FATAL_ERROR "kelvaro: GNU Octave (octave-cli, mkoctfile and "
    "liboctinterp) is required but missing; on Debian: apt-get install "
    "octave liboctave-dev")
else()
  message(STATUS "kelvaro: GNU Octave not found (octave-cli, mkoctfile and "
    "liboctinterp): the Octave module kelvaro.mex and its tests are skipped")
endif()
