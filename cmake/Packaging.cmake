# Packaging: a Debian package made by CPack from the install rules, and on Windows the program
# file's version information. Included after the program's targets exist.

if(TARGET ${BVN_EXECUTABLE})
  bvn_add_windows_resources(${BVN_EXECUTABLE})
  # Where the program file is, for tools/windows.sh to pack it.
  file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/program-file.txt
       CONTENT "$<TARGET_FILE:${BVN_EXECUTABLE}>")
endif()

if(WIN32)
  set(CPACK_GENERATOR "ZIP")
else()
  set(CPACK_GENERATOR "DEB")
endif()
set(CPACK_PACKAGE_NAME "${BVN_EXECUTABLE}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Brelvan, Inc")
set(CPACK_PACKAGE_CONTACT "Brelvan, Inc <packages@brelvan.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${BVN_PRODUCT_NAME} - convert lengths, times, masses, temperatures and areas")
set(CPACK_PACKAGE_DESCRIPTION
    "A small window for everyday unit conversion. Typing a number into the box of one unit shows the same quantity in every other unit of its kind: nine units each of length, time, mass and area, and temperature in degrees Celsius, degrees Fahrenheit and kelvins.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.brelvan.example/")
# Dependencies as dpkg-shlibdeps finds them in the program's shared libraries (Qt 6), and
# the font package whose faces every caption is measured to fit in: without it another face is
# drawn and captions clip. Wayland sessions open the window natively with Qt's Wayland platform.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
