# Cross-compiling for Windows with Debian's MinGW-w64. The including
# toolchain file names the target (DEMODISC_MINGW_PROCESSOR: i686 for the
# PE32 that ships, x86_64 for the PE32+ test build) and the thread model
# (DEMODISC_THREAD_MODEL).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${DEMODISC_MINGW_PROCESSOR})
set(triple ${DEMODISC_MINGW_PROCESSOR}-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-${DEMODISC_THREAD_MODEL})
set(CMAKE_CXX_COMPILER ${triple}-g++-${DEMODISC_THREAD_MODEL})
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The Wine that runs this target's programs: the 32-bit one in a win32
# prefix, or the 64-bit one in a win64 prefix.
if(DEMODISC_MINGW_PROCESSOR STREQUAL "x86_64")
  set(DEMODISC_WINE_ARCH win64)
else()
  set(DEMODISC_WINE_ARCH win32)
endif()
# Windows programs run under that Wine inside the virtual X server.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh
    ${DEMODISC_WINE_ARCH})
# The exe is read whole from the disc before it runs (it is marked to run
# from swap): compiled for size, with the functions and data that nothing
# reaches dropped at the link. Start-up waits on Windows, not on this code.
# (Forced: the compiler's own defaults would add -O3 after an _INIT value,
# and a tree configured before would keep it.)
set(CMAKE_C_FLAGS_RELEASE "-Os -DNDEBUG" CACHE STRING "Release flags of C" FORCE)
set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG" CACHE STRING "Release flags of C++" FORCE)
set(CMAKE_C_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wl,--gc-sections")
