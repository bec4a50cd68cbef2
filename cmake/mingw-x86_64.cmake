# The same sources as a PE32+ exe, for testing on machines that run no 32-bit
# code; it is never laid on a disc. Same thread model as the PE32, so that
# both link the same runtime.
set(DEMODISC_MINGW_PROCESSOR x86_64)
set(DEMODISC_THREAD_MODEL win32)
set(DEMODISC_WINDOWS_TESTS OFF)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
