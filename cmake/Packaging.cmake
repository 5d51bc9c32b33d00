# Packaging on Windows: the program file's version information and a ZIP made by CPack. The Debian
# package is made by debian/ from the same install rules. Included after the program's targets
# exist.

if(TARGET ${BVN_EXECUTABLE})
  bvn_add_windows_resources(${BVN_EXECUTABLE})
endif()

if(WIN32)
  set(CPACK_GENERATOR "ZIP")
endif()
set(CPACK_PACKAGE_NAME "${BVN_EXECUTABLE}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Brelvan, Inc")
set(CPACK_PACKAGE_CONTACT "Brelvan, Inc <packages@brelvan.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${BVN_PRODUCT_NAME} - convert lengths, times, masses, temperatures and areas")
set(CPACK_PACKAGE_DESCRIPTION
    "A small window for everyday unit conversion. Typing a number into the box of one unit shows the same quantity in every other unit of its kind: nine units each of length, time, mass and area, and temperature in degrees Celsius, degrees Fahrenheit and kelvins.")
set(CPACK_STRIP_FILES ON)

if(WIN32)
  include(CPack)
endif()
