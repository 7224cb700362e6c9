# kelvaro.dll: the gateway and the kernel as a Windows module that the host
# loads by its file name.

# Import libraries for the host's libmx.dll and libmex.dll, made from our
# own lists of the operations the module calls, so that linking fails if
# the module starts to use anything else of the host.
foreach(host_library libmx libmex)
  set(definitions ${CMAKE_CURRENT_SOURCE_DIR}/${host_library}.def)
  set(import_library ${CMAKE_CURRENT_BINARY_DIR}/${host_library}.a)
  add_custom_command(
    OUTPUT ${import_library}
    COMMAND ${CMAKE_DLLTOOL} --input-def ${definitions}
            --output-lib ${import_library}
    DEPENDS ${definitions}
    COMMENT "Making the import library for ${host_library}.dll"
    VERBATIM)
  add_custom_target(kelvaro_${host_library}_import DEPENDS ${import_library})
  add_library(kelvaro_host_${host_library} INTERFACE)
  target_link_libraries(kelvaro_host_${host_library} INTERFACE
    ${import_library})
  add_dependencies(kelvaro_host_${host_library}
    kelvaro_${host_library}_import)
endforeach()

# No C++ exception may leave the module or pass through it: the host stops
# a call by unwinding with its own means, and the module itself throws
# nothing.
target_compile_options(kelvaro_gateway PRIVATE -fno-exceptions)
target_compile_options(kelvaro_series PRIVATE -fno-exceptions)
target_compile_options(kelvaro_fpu_at_load PRIVATE -fno-exceptions)

add_library(kelvaro SHARED dll_main.cpp kelvaro.def kelvaro.rc)
set_target_properties(kelvaro PROPERTIES PREFIX "" OUTPUT_NAME kelvaro)
target_compile_options(kelvaro PRIVATE -fno-exceptions)
# The host's import libraries come last: the gateway and the kernel
# reference them.
target_link_libraries(kelvaro PRIVATE
  kelvaro_gateway kelvaro_series kelvaro_fpu_at_load kelvaro_warnings
  kelvaro_host_libmx kelvaro_host_libmex)
# The module carries its language runtime rather than import it.
target_link_options(kelvaro PRIVATE -static-libgcc -static-libstdc++)
