# The Windows builds, two trees from the same sources:
#  - the product (cmake/mingw-i686.cmake): DemoDisc.exe (PE32, i686, static),
#    the sample disc and the benchmark programs;
#  - its tests (cmake/mingw-i686-tests.cmake), run under Wine against the
#    product's exe, which DEMODISC_EXE names.
set(WINDOWS_SOURCES ${ALL_SOURCES})
list(FILTER WINDOWS_SOURCES INCLUDE REGEX "(_win\\.cpp$|/src/app/|/src/ui/)")
list(FILTER WINDOWS_SOURCES EXCLUDE REGEX "/src/app/(main|entry)_win\\.cpp$")

set(WINDOWS_DEFINITIONS UNICODE _UNICODE _WIN32_WINNT=0x0501 WINVER=0x0501 NOMINMAX
    WIN32_LEAN_AND_MEAN)
target_compile_definitions(demodisc_core PUBLIC ${WINDOWS_DEFINITIONS})
target_compile_options(demodisc_core PRIVATE -Wall -Wextra -Werror)

add_library(demodisc_win STATIC ${WINDOWS_SOURCES})
target_link_libraries(demodisc_win PUBLIC demodisc_core comctl32 gdi32 user32 kernel32 advapi32
                      winmm shell32 ole32 oleaut32 oleacc uuid)
target_compile_options(demodisc_win PRIVATE -Wall -Wextra -Werror)
target_include_directories(demodisc_win PUBLIC ${PROJECT_SOURCE_DIR}/resources)

# Statically linked, subsystem 5.01 so that Windows XP SP3 starts it.
set(STATIC_LINK -static -static-libgcc -static-libstdc++
    -Wl,--major-subsystem-version,5,--minor-subsystem-version,1
    -Wl,--major-os-version,5,--minor-os-version,1)

# windres does not report the files the .rc pulls in: rebuild it when one changes.
file(GLOB RESOURCE_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/*.bmp
     ${PROJECT_SOURCE_DIR}/resources/*.ico ${PROJECT_SOURCE_DIR}/resources/*.manifest
     ${PROJECT_SOURCE_DIR}/resources/*.h)
set_source_files_properties(${PROJECT_SOURCE_DIR}/resources/demodisc.rc PROPERTIES
                            OBJECT_DEPENDS "${RESOURCE_FILES}")

if(DEMODISC_WINDOWS_TESTS)
  if(NOT DEMODISC_EXE)
    message(FATAL_ERROR "DEMODISC_EXE must name the product's DemoDisc.exe")
  endif()
  add_subdirectory(tests/win32)
  add_subdirectory(tests/disc)
  add_subdirectory(tests/e2e)
  return()
endif()

# The entry point restricts the DLL search before the C runtime starts.
add_executable(DemoDisc WIN32 ${PROJECT_SOURCE_DIR}/src/app/main_win.cpp
               ${PROJECT_SOURCE_DIR}/src/app/entry_win.cpp
               ${PROJECT_SOURCE_DIR}/resources/demodisc.rc)
target_link_libraries(DemoDisc PRIVATE demodisc_win)
target_link_options(DemoDisc PRIVATE -municode ${STATIC_LINK} -s -Wl,-e,_DemoDiscStartup)
set_target_properties(DemoDisc PROPERTIES OUTPUT_NAME DemoDisc)

# The sample disc beside the exe: build/windows/disc with DemoDisc.exe at its root.
add_custom_target(sample_disc
  COMMAND ${PROJECT_SOURCE_DIR}/tools/make-sample-disc.sh ${CMAKE_BINARY_DIR}/disc
          $<TARGET_FILE:DemoDisc>
  DEPENDS DemoDisc
  COMMENT "Laying out the sample disc"
  VERBATIM)

add_subdirectory(tests/bench)
