# Cross-compiles for Debian's s390x architecture (64-bit IBM Z, big-endian) with Debian's cross
# g++, run under qemu-s390x.
set(bvn_cross_triplet s390x-linux-gnu)
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(bvn_cross_qemu qemu-s390x)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
