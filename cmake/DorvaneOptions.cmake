# One interface target carries the language level, warnings and sanitizers;
# every project target links it.
add_library(dorvane_options INTERFACE)
target_compile_features(dorvane_options INTERFACE cxx_std_20)
target_compile_options(dorvane_options INTERFACE -Wall -Wextra -Wpedantic)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # GCC 12 reports -Wrestrict falsely inside std::string at -O2 and above
  # (GCC bug 105329); it would fail warnings-as-errors builds on correct code.
  target_compile_options(dorvane_options INTERFACE -Wshadow=local -Wno-restrict)
else()
  target_compile_options(dorvane_options INTERFACE -Wshadow-uncaptured-local)
endif()
if(DV_WERROR)
  target_compile_options(dorvane_options INTERFACE -Werror)
endif()
if(DV_SANITIZE)
  target_compile_options(dorvane_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(dorvane_options INTERFACE -fsanitize=address,undefined)
endif()

# Strict Qt defines for code that uses Qt.
add_library(dorvane_qt_options INTERFACE)
target_link_libraries(dorvane_qt_options INTERFACE dorvane_options)
target_compile_definitions(dorvane_qt_options INTERFACE
  QT_NO_KEYWORDS QT_NO_NARROWING_CONVERSIONS_IN_CONNECT QT_NO_URL_CAST_FROM_STRING
  QT_NO_CAST_TO_ASCII)
