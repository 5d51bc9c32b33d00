# The program file as it is shipped. On Windows it gets its version information, icon and
# manifest, and tools/windows.sh packs it with a read-me and the licences into a zip, from the
# path written here. The Debian package is made by debian/ from the install rules. Included after
# the program's targets exist.

if(TARGET ${BVN_EXECUTABLE})
  bvn_add_windows_resources(${BVN_EXECUTABLE})
  file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/program-file.txt
       CONTENT "$<TARGET_FILE:${BVN_EXECUTABLE}>")
endif()
