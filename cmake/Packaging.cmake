# The program file as it is shipped. On Windows it gets its version information, icon and
# manifest, and tools/windows.sh packs it with a read-me and the licences into a zip and an
# installer, from the path and under the names written here. The Debian package is made by
# debian/ from the install rules. Included after the program's targets exist.

# The zip's and the installer's name, and where tools/windows.sh writes them.
set(BVN_WINDOWS_PACKAGE ${BVN_EXECUTABLE}-${PROJECT_VERSION}-windows-x86_64)
set(BVN_WINDOWS_PACKAGES ${PROJECT_SOURCE_DIR}/build/windows)
if(TARGET ${BVN_EXECUTABLE})
  bvn_add_windows_resources(${BVN_EXECUTABLE})
  file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/program-file.txt
       CONTENT "$<TARGET_FILE:${BVN_EXECUTABLE}>")
  file(WRITE ${PROJECT_BINARY_DIR}/program-target.txt "${BVN_EXECUTABLE}")
  file(WRITE ${PROJECT_BINARY_DIR}/windows-package.txt "${BVN_WINDOWS_PACKAGES}/${BVN_WINDOWS_PACKAGE}")
  file(WRITE ${PROJECT_BINARY_DIR}/qt-version.txt "${Qt6_VERSION}")  # for the licence notice
  # What a signature names: the program and its web address.
  file(WRITE ${PROJECT_BINARY_DIR}/signing-names.txt "${BVN_PRODUCT_NAME}\n${BVN_WEB_ADDRESS}\n")
endif()
