# Warnings, sanitizers and floating-point settings shared by every target of this project.

if(BVN_SANITIZE)
  add_compile_options(-fsanitize=${BVN_SANITIZE} -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=${BVN_SANITIZE})
endif()

# MinGW programs link their C and C++ runtime and threads statically: a Windows program file
# then needs no DLL beside it that Windows does not have. The linker would write the time of the
# link into the file's header; without it, one source links to the same bytes.
if(MINGW)
  add_link_options(-static -Wl,--no-insert-timestamp)
endif()

# Our own targets only: warnings as the project's standard, and no fused multiply-add, since
# every result must come from the operations as written, each rounded on its own.
function(bvn_target_defaults target)
  if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wconversion -ffp-contract=off)
  elseif(MSVC)
    target_compile_options(${target} PRIVATE /W4 /utf-8)
  endif()
endfunction()
