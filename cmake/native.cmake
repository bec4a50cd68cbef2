# The native build: the portable core and its tests (Linux, g++ or clang),
# and the Windows build as an external project whose tests ctest counts too.
option(DEMODISC_SANITIZE "Build the native tests with ASan and UBSan" OFF)
option(DEMODISC_WITH_WINDOWS "Also build DemoDisc.exe and its tests under Wine" ON)

if(DEMODISC_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
  target_compile_options(demodisc_core PRIVATE -fsanitize=address,undefined -fno-sanitize-recover=all)
endif()

option(DEMODISC_FUZZ "Build the libFuzzer targets (clang)" OFF)

find_package(GTest REQUIRED)
include(GoogleTest)
add_subdirectory(tests/native)
add_subdirectory(tests/layers)
if(DEMODISC_FUZZ)
  add_subdirectory(tests/fuzz)
endif()

if(DEMODISC_WITH_WINDOWS)
  include(ExternalProject)
  # The product tree first: the tests tree runs its tests against its exe.
  set(PRODUCT_BINARY_DIR ${CMAKE_BINARY_DIR}/windows)
  set(WINDOWS_TESTS_BINARY_DIR ${CMAKE_BINARY_DIR}/windows-tests)
  ExternalProject_Add(windows
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${PRODUCT_BINARY_DIR}
    CONFIGURE_COMMAND ${CMAKE_COMMAND} --preset windows -S ${PROJECT_SOURCE_DIR}
                      -B ${PRODUCT_BINARY_DIR}
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON)
  ExternalProject_Add(windows_tests
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${WINDOWS_TESTS_BINARY_DIR}
    CONFIGURE_COMMAND ${CMAKE_COMMAND} --preset windows-tests -S ${PROJECT_SOURCE_DIR}
                      -B ${WINDOWS_TESTS_BINARY_DIR}
                      -DDEMODISC_EXE=${PRODUCT_BINARY_DIR}/DemoDisc.exe
    DEPENDS windows
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON)
  # One ctest run counts both suites: the Windows tests tree's tests are included.
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES
               ${WINDOWS_TESTS_BINARY_DIR}/tests/win32/CTestTestfile.cmake
               ${WINDOWS_TESTS_BINARY_DIR}/tests/disc/CTestTestfile.cmake
               ${WINDOWS_TESTS_BINARY_DIR}/tests/e2e/CTestTestfile.cmake)
endif()
