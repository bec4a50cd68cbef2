# The product: DemoDisc.exe (PE32) and the programs it is measured against.
# The win32 thread model links no winpthread, whose GetTickCount64 import
# would keep the exe from loading on Windows XP.
set(DEMODISC_MINGW_PROCESSOR i686)
set(DEMODISC_THREAD_MODEL win32)
set(DEMODISC_WINDOWS_TESTS OFF)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
