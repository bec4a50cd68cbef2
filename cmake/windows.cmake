# The Windows builds, trees from the same sources:
#  - the product (cmake/mingw-i686.cmake): DemoDisc.exe (PE32, i686, static),
#    the sample disc and the benchmark programs;
#  - its tests (cmake/mingw-i686-tests.cmake), run under Wine against the
#    product's exe, which DEMODISC_EXE names;
#  - the same two for x86_64 (cmake/mingw-x86_64*.cmake): a PE32+ build that
#    is only tested, under the 64-bit Wine, where no 32-bit code runs.
set(WINDOWS_DEFINITIONS UNICODE _UNICODE _WIN32_WINNT=0x0501 WINVER=0x0501 NOMINMAX
    WIN32_LEAN_AND_MEAN)
target_compile_definitions(demodisc_core PUBLIC ${WINDOWS_DEFINITIONS})

# The start-up marks (src/base/startup_marks_win.h) record only in the
# profiling variant that tools/profile-startup.sh builds; never in the product.
option(DEMODISC_STARTUP_PROFILE "Record the start-up marks (profiling variant only)" OFF)
if(DEMODISC_STARTUP_PROFILE)
  target_compile_definitions(demodisc_core PUBLIC DEMODISC_STARTUP_PROFILE)
endif()

# Statically linked, subsystem 5.01 so that Windows XP SP3 starts it.
set(STATIC_LINK -static -static-libgcc -static-libstdc++
    -Wl,--major-subsystem-version,5,--minor-subsystem-version,1
    -Wl,--major-os-version,5,--minor-os-version,1)

# C names carry a leading underscore on i686 only.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  set(C_SYMBOL_PREFIX _)
else()
  set(C_SYMBOL_PREFIX "")
endif()
# The entry point that restricts the DLL search before the C runtime starts
# (src/app/entry_win.cpp).
set(DEMODISC_ENTRY -Wl,-e,${C_SYMBOL_PREFIX}DemoDiscStartup)

# The system DLLs that are not known DLLs: DemoDisc.exe delay-loads them, so
# that they come after its DLL search is restricted, from the system folder
# or the side-by-side store (src/app/delay_load_win.cpp); so too ole32 and
# oleaut32, known DLLs that only an accessibility client's first request
# needs, and shlwapi, which only the look-up of the PDF reader's association
# needs, so that start-up does not load them. The tests import them as usual.
set(DELAY_LOADED_DLLS comctl32 winmm oleacc ole32 oleaut32 shlwapi)
# demodisc_delay_load(<target> <file.def>...): <target> delay-loads the
# functions each .def file lists, through a delay-import library that
# dlltool makes. A .def names each function with its i686 stdcall
# decoration (name@bytes of arguments); for x86_64, whose functions carry
# none, the decorations are cut from a copy. Each function is also kept by
# name: ld drops the jump stub of an import-library member that only its
# __imp_ pointer reaches, and with it the address the delay-import table
# starts out with.
function(demodisc_delay_load target)
  foreach(def IN LISTS ARGN)
    get_filename_component(name ${def} NAME_WE)
    set(lib ${CMAKE_BINARY_DIR}/delay_load/libdelay_${name}.a)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${def})
    file(STRINGS ${def} functions REGEX "^[A-Za-z_][A-Za-z0-9_]*@[0-9]+$")
    if(NOT C_SYMBOL_PREFIX)
      list(TRANSFORM functions REPLACE "@[0-9]+$" "")
      file(READ ${def} text)
      string(REGEX REPLACE "([A-Za-z0-9_])@[0-9]+" "\\1" text "${text}")
      set(def ${CMAKE_BINARY_DIR}/delay_load/${name}.def)
      file(WRITE ${def}.new "${text}")
      file(COPY_FILE ${def}.new ${def} ONLY_IF_DIFFERENT)
    endif()
    if(NOT TARGET delay_import_${name})
      add_custom_command(OUTPUT ${lib}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/delay_load
        COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --output-delaylib ${lib} --kill-at
        DEPENDS ${def}
        COMMENT "Making the delay-import library of ${name}"
        VERBATIM)
      add_custom_target(delay_import_${name} DEPENDS ${lib})
    endif()
    add_dependencies(${target} delay_import_${name})
    target_link_libraries(${target} PRIVATE ${lib})
    foreach(function IN LISTS functions)
      target_link_options(${target} PRIVATE -Wl,--undefined=${C_SYMBOL_PREFIX}${function})
    endforeach()
  endforeach()
endfunction()

# windres does not report the files the .rc pulls in: rebuild it when one changes.
file(GLOB RESOURCE_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/*.ico ${PROJECT_SOURCE_DIR}/resources/*.manifest.in
     ${PROJECT_SOURCE_DIR}/resources/*.h ${PROJECT_SOURCE_DIR}/resources/*/*.png)
list(APPEND RESOURCE_FILES ${PROJECT_BINARY_DIR}/generated/demodisc.manifest
     ${PROJECT_BINARY_DIR}/generated/base/version.h)
set_source_files_properties(${PROJECT_SOURCE_DIR}/resources/demodisc.rc PROPERTIES
                            OBJECT_DEPENDS "${RESOURCE_FILES}")

if(DEMODISC_WINDOWS_TESTS)
  if(NOT DEMODISC_EXE)
    message(FATAL_ERROR "DEMODISC_EXE must name the product's DemoDisc.exe")
  endif()
  target_link_libraries(demodisc_app PUBLIC ${DELAY_LOADED_DLLS})
  add_subdirectory(tests/win32)
  add_subdirectory(tests/e2e)
  return()
endif()

# The entry point restricts the DLL search before the C runtime starts.
add_executable(DemoDisc WIN32 ${PROJECT_SOURCE_DIR}/src/app/main_win.cpp
               ${PROJECT_SOURCE_DIR}/src/app/entry_win.cpp
               ${PROJECT_SOURCE_DIR}/resources/demodisc.rc)
target_link_libraries(DemoDisc PRIVATE demodisc_app demodisc_warnings)
foreach(dll IN LISTS DELAY_LOADED_DLLS)
  demodisc_delay_load(DemoDisc ${PROJECT_SOURCE_DIR}/src/app/delay_load/${dll}.def)
endforeach()
# The link map names the stripped exe's functions for the check of its entry
# point (tests/disc); it stays in the build tree.
target_link_options(DemoDisc PRIVATE -municode ${STATIC_LINK} -s ${DEMODISC_ENTRY}
                    -Wl,-Map=${CMAKE_BINARY_DIR}/DemoDisc.map)
set_target_properties(DemoDisc PROPERTIES OUTPUT_NAME DemoDisc)
# The exe runs from a disc: Windows is asked to copy it to the page file
# first (the RUN_FROM_SWAP flags, which ld cannot set), with its checksum
# written again.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_command(TARGET DemoDisc POST_BUILD
  COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tools/pe_swap_run.py $<TARGET_FILE:DemoDisc>
  VERBATIM)

# DemoDiscCheck.exe, the disc check for Windows, beside DemoDisc.exe: a
# console program for Windows 7 and later (subsystem 6.01), statically linked.
add_executable(DemoDiscCheck ${PROJECT_SOURCE_DIR}/src/disc_check/check_disc_main_win.cpp)
target_link_libraries(DemoDiscCheck PRIVATE demodisc_platform gdi32 demodisc_warnings)
target_link_options(DemoDiscCheck PRIVATE -municode -static -static-libgcc -static-libstdc++ -s
                    -Wl,--major-subsystem-version,6,--minor-subsystem-version,1
                    -Wl,--major-os-version,6,--minor-os-version,1)

# The sample disc beside the exe: build/windows/disc with DemoDisc.exe at its
# root and the stand-ins of its player and reader installer.
add_subdirectory(${PROJECT_SOURCE_DIR}/tools/sample-disc/stand-ins
                 ${CMAKE_BINARY_DIR}/tools/sample-disc/stand-ins)
add_custom_target(sample_disc
  COMMAND ${PROJECT_SOURCE_DIR}/tools/make-sample-disc.sh ${CMAKE_BINARY_DIR}/disc
          $<TARGET_FILE:DemoDisc>
  DEPENDS DemoDisc player_stand_in installer_stand_in
  COMMENT "Laying out the sample disc"
  VERBATIM)

add_subdirectory(tests/bench)
