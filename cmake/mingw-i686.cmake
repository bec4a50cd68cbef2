# The product: DemoDisc.exe and the programs it is measured against. The
# win32 thread model links no winpthread, whose GetTickCount64 import would
# keep the exe from loading on Windows XP.
set(DEMODISC_THREAD_MODEL win32)
set(DEMODISC_WINDOWS_TESTS OFF)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686-common.cmake)
