# Where the Windows program finds the libraries it loads.
#
# For a library that is not one of Windows' KnownDLLs, Windows looks in the program's own folder
# first. A program run from Downloads, or from a zip opened in Explorer, would run whatever
# version.dll a web page left beside it; and a library Windows does take from System32 may itself
# import such a library (Wine's user32 imports version.dll). So the program loads only kernel32
# and the C runtime with itself, and imports every other library late, through a delay-load
# import library: none is loaded before the program's first instruction, which tells Windows to
# look for libraries in System32 alone (dll_search_windows.cpp). Each is then loaded from there,
# with whatever it imports, when the program first calls it, as are the libraries Qt loads itself.

# The import libraries of every library the program imports but kernel32, the C runtime
# (msvcrt) and the API set of synchronisation (which Windows maps into kernelbase);
# runtimeobject's name the API sets of the Windows Runtime, which Windows maps into combase, and
# combase imports advapi32. The Windows program test reads the program file's imports and fails
# on any other library that Windows loads with it.
set(BVN_WINDOWS_LATE_IMPORTS
    advapi32 authz comdlg32 d3d11 d3d9 dwmapi dwrite dxgi gdi32 imm32 netapi32 ole32 oleaut32
    runtimeobject shcore shell32 shlwapi user32 userenv uxtheme version winmm winspool ws2_32
    wtsapi32)

# Those of them that Windows holds as KnownDLLs, or as API sets, and never looks for beside the
# program (the registry's HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\KnownDLLs).
set(BVN_WINDOWS_KNOWN_IMPORTS
    advapi32 comdlg32 gdi32 imm32 ole32 oleaut32 runtimeobject shcore shell32 shlwapi user32
    ws2_32)

# bvn_import_late(<target>): links the target against delay-load import libraries of
# BVN_WINDOWS_LATE_IMPORTS, made from MinGW-w64's own import libraries, instead of those.
function(bvn_import_late target)
  if(NOT MINGW)
    return()
  endif()
  # x86_64-w64-mingw32-g++-posix -> x86_64-w64-mingw32-
  get_filename_component(compiler ${CMAKE_CXX_COMPILER} NAME)
  string(REGEX REPLACE "g\\+\\+(-posix)?$" "" tool_prefix ${compiler})
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  set(folder ${PROJECT_BINARY_DIR}/late-imports)
  file(MAKE_DIRECTORY ${folder})
  foreach(library IN LISTS BVN_WINDOWS_LATE_IMPORTS)
    find_library(BVN_IMPORT_${library} NAMES lib${library}.a REQUIRED NO_CACHE)
    # The same name as MinGW-w64's, in a folder the linker searches first, so that Qt's own
    # link libraries ("-lversion") take it too.
    execute_process(COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/cmake/make-delay-library.py
                            ${tool_prefix} ${BVN_IMPORT_${library}} ${folder}/lib${library}.a
                    COMMAND_ERROR_IS_FATAL ANY)
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${folder}/lib${library}.a)
  endforeach()
  # Named relative to the build folder, where the linker runs: the linker orders the import
  # tables' pieces by the names of the archives they come from, so an absolute name would give
  # every build folder a program file of its own.
  file(RELATIVE_PATH relative ${CMAKE_BINARY_DIR} ${folder})
  target_link_options(${target} BEFORE PRIVATE -L${relative})
endfunction()
