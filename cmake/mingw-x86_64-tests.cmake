# The Windows-side tests of the PE32+ test build (posix thread model, as for
# the PE32's tests), run under the 64-bit Wine against its exe.
set(DEMODISC_MINGW_PROCESSOR x86_64)
set(DEMODISC_THREAD_MODEL posix)
set(DEMODISC_WINDOWS_TESTS ON)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
