# Cross-compiles for Debian's i386 architecture (i686: 32-bit x86 whose doubles are computed in
# the x87 unit, as SSE2 is not assumed) with Debian's cross g++. CTest runs the programs under
# qemu-user, which finds the i386 C and C++ libraries in the cross compiler's root. Libraries and
# packages come only from that root and from CMAKE_FIND_ROOT_PATH (GoogleTest built for i386),
# never from the host's /usr.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER i686-linux-gnu-g++)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-i386 -L /usr/i686-linux-gnu)

list(APPEND CMAKE_FIND_ROOT_PATH /usr/i686-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
