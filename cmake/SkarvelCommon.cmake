# One interface target carries the language standard, the warnings and the Qt strictness defines;
# every target of the project links it.
add_library(skarvel_common INTERFACE)
target_compile_features(skarvel_common INTERFACE cxx_std_20)
target_compile_options(skarvel_common INTERFACE
  -Wall -Wextra -Werror -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual)
# Domain text is Windows-1252: every conversion to and from QString must be spelled out.
target_compile_definitions(skarvel_common INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY)
target_include_directories(skarvel_common INTERFACE ${PROJECT_SOURCE_DIR})

option(SKARVEL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(SKARVEL_SANITIZE)
  target_compile_options(skarvel_common INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(skarvel_common INTERFACE -fsanitize=address,undefined)
endif()

# Fuzzing with libFuzzer (clang): every library is instrumented for it, the fuzz targets in
# fuzz/ link its driver.
option(SKARVEL_FUZZ "Build the libFuzzer targets (clang)" OFF)
if(SKARVEL_FUZZ)
  target_compile_options(skarvel_common INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
    -fno-omit-frame-pointer)
  target_link_options(skarvel_common INTERFACE -fsanitize=address,undefined)
endif()

# Debian's hardening, as dpkg-buildflags gives it to every package (stack protector, fortified
# functions, format checks, read-only relocations bound at start): for the optimised builds that
# become the package, not for the sanitizer and fuzzing builds, whose instrumentation it would
# meet, nor for unoptimised ones, where fortification cannot work.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
set(SKARVEL_HARDENED OFF)
if(DPKG_BUILDFLAGS AND NOT SKARVEL_SANITIZE AND NOT SKARVEL_FUZZ
   AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
  set(SKARVEL_HARDENED ON)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
              ${DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    # The build type chooses optimisation and debugging information.
    list(FILTER flags EXCLUDE REGEX "^-(O[0-9s]?|g|ffile-prefix-map=.*)$")
    if(kind STREQUAL "LDFLAGS")
      target_link_options(skarvel_common INTERFACE ${flags})
    else()
      target_compile_options(skarvel_common INTERFACE ${flags})
    endif()
  endforeach()
endif()
