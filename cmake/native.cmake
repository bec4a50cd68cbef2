# The native build: the portable core and its tests (Linux, g++ or clang),
# and the Windows build as an external project whose tests ctest counts too.
option(DEMODISC_SANITIZE "Build the native tests with ASan and UBSan" OFF)
option(DEMODISC_WITH_WINDOWS "Also build DemoDisc.exe and its tests under Wine" ON)

if(DEMODISC_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
  # The libraries made before this file is read.
  foreach(library IN ITEMS demodisc_pictures demodisc_core)
    target_compile_options(${library} PRIVATE -fsanitize=address,undefined -fno-sanitize-recover=all)
  endforeach()
endif()

option(DEMODISC_FUZZ "Build the libFuzzer targets (clang)" OFF)

# check_disc: the disc check (src/disc_check) on a folder of this machine
# (tools/check-disc.sh).
add_executable(check_disc ${PROJECT_SOURCE_DIR}/src/disc_check/check_disc_main.cpp)
target_link_libraries(check_disc PRIVATE demodisc_core demodisc_warnings)

# Without the tests (tools/check-disc.sh), g++, cmake and zlib alone build
# the checker: no GoogleTest, clang, MinGW or Wine.
option(DEMODISC_TESTS "Build the native tests (GoogleTest) and the tools' tests" ON)
if(NOT DEMODISC_TESTS)
  return()
endif()

find_package(GTest REQUIRED)
include(GoogleTest)
add_subdirectory(tests/native)
add_subdirectory(tests/layers)
add_subdirectory(tests/docs)
if(DEMODISC_FUZZ)
  add_subdirectory(tests/fuzz)
endif()

# The Windows-side suites to run: win32 (the PE32 under the 32-bit Wine),
# win64 (the PE32+ test build under the 64-bit Wine). The test command sets
# them from what the machine runs (tools/wine-env.sh); a suite left out is
# reported as skipped, with DEMODISC_SKIPPED_WHY as its reason.
set(DEMODISC_WINDOWS_SUITES "win32;win64" CACHE STRING "Windows-side suites: win32, win64")
set(DEMODISC_SKIPPED_WHY "not chosen in DEMODISC_WINDOWS_SUITES" CACHE STRING
    "Why the Windows-side suites left out of DEMODISC_WINDOWS_SUITES do not run")

if(DEMODISC_WITH_WINDOWS)
  include(ExternalProject)
  # demodisc_windows_tree(<name> <preset> <binary-dir> [DEPENDS <tree>] [<configure arg>...])
  function(demodisc_windows_tree name preset dir)
    cmake_parse_arguments(tree "" "" "DEPENDS;ARGS" ${ARGN})
    ExternalProject_Add(${name}
      SOURCE_DIR ${PROJECT_SOURCE_DIR}
      BINARY_DIR ${dir}
      CONFIGURE_COMMAND ${CMAKE_COMMAND} --preset ${preset} -S ${PROJECT_SOURCE_DIR} -B ${dir}
                        ${tree_ARGS}
      DEPENDS ${tree_DEPENDS}
      BUILD_ALWAYS ON
      INSTALL_COMMAND ""
      USES_TERMINAL_BUILD ON)
  endfunction()

  # The PE32 that ships is built on every machine, and checked without
  # running it (tests/disc).
  set(PRODUCT_BINARY_DIR ${CMAKE_BINARY_DIR}/windows)
  demodisc_windows_tree(windows windows ${PRODUCT_BINARY_DIR})
  set(DEMODISC_EXE ${PRODUCT_BINARY_DIR}/DemoDisc.exe)
  set(DEMODISC_MAP ${PRODUCT_BINARY_DIR}/DemoDisc.map)
  add_subdirectory(tests/disc)

  # Each suite: its product tree, then the tests tree that runs against its
  # exe. One ctest run counts every suite.
  foreach(arch IN ITEMS win32 win64)
    if(arch STREQUAL "win32")
      set(product windows)
      set(tests windows-tests)
      set(what "the PE32's Windows-side and end-to-end tests (32-bit Wine)")
    else()
      set(product windows64)
      set(tests windows64-tests)
      set(what "the PE32+ build's Windows-side and end-to-end tests (64-bit Wine)")
    endif()
    if(NOT arch IN_LIST DEMODISC_WINDOWS_SUITES)
      add_test(NAME ${arch}.Suite COMMAND ${CMAKE_COMMAND} -E echo
               "skipped: ${what}: ${DEMODISC_SKIPPED_WHY}")
      set_tests_properties(${arch}.Suite PROPERTIES SKIP_REGULAR_EXPRESSION "skipped: ")
      continue()
    endif()
    if(NOT arch STREQUAL "win32")
      demodisc_windows_tree(${product} ${product} ${CMAKE_BINARY_DIR}/${product})
    endif()
    string(REPLACE "-" "_" tests_target ${tests})
    # Its disc check is compared with this tree's checker.
    demodisc_windows_tree(${tests_target} ${tests} ${CMAKE_BINARY_DIR}/${tests}
      DEPENDS ${product} check_disc
      ARGS -DDEMODISC_EXE=${CMAKE_BINARY_DIR}/${product}/DemoDisc.exe
           -DDEMODISC_CHECK_DISC=$<TARGET_FILE:check_disc>)
    # ctest reads the suite's tests from its tree once that is built; before
    # that (a configured tree, not yet built) one failing test says so, where a
    # bare include would stop ctest with no test run at all.
    set(suite_file ${CMAKE_BINARY_DIR}/${arch}-suite.cmake)
    file(CONFIGURE OUTPUT ${suite_file} @ONLY CONTENT [[
set(lists "@CMAKE_BINARY_DIR@/@tests@/tests/win32/CTestTestfile.cmake"
          "@CMAKE_BINARY_DIR@/@tests@/tests/e2e/CTestTestfile.cmake")
set(missing "")
foreach(list IN LISTS lists)
  if(NOT EXISTS "${list}")
    set(missing "${list}")
  endif()
endforeach()
if(missing)
  add_test(@arch@.Suite "@CMAKE_COMMAND@" -E echo
           "not built: ${missing} is missing; build first (cmake --build @CMAKE_BINARY_DIR@)")
  set_tests_properties(@arch@.Suite PROPERTIES PASS_REGULAR_EXPRESSION "^$")
else()
  foreach(list IN LISTS lists)
    include("${list}")
  endforeach()
endif()
]])
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${suite_file})
  endforeach()
endif()

# The tools' tests last: the signing tool's tests sign copies of the product
# tree's programs, when there is one.
add_subdirectory(tests/tools)
