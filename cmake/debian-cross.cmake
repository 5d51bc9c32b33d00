# The part of a toolchain file for one of Debian's cross g++ that every target shares; the target's
# own file sets bvn_cross_triplet, CMAKE_SYSTEM_PROCESSOR and bvn_cross_qemu, then includes this.
# CTest runs the programs under qemu-user, which finds the target's C and C++ libraries in the
# cross compiler's root. Libraries and packages come only from that root and from
# CMAKE_FIND_ROOT_PATH (GoogleTest built for the target), never from the host's /usr.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${bvn_cross_triplet}-gcc)
set(CMAKE_CXX_COMPILER ${bvn_cross_triplet}-g++)
set(CMAKE_CROSSCOMPILING_EMULATOR ${bvn_cross_qemu} -L /usr/${bvn_cross_triplet})

list(APPEND CMAKE_FIND_ROOT_PATH /usr/${bvn_cross_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
