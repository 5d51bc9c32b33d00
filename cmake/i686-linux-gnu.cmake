# Cross-compiles for Debian's i386 architecture (i686: 32-bit x86 whose doubles are computed in
# the x87 unit, as SSE2 is not assumed) with Debian's cross g++, run under qemu-i386.
set(bvn_cross_triplet i686-linux-gnu)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(bvn_cross_qemu qemu-i386)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
