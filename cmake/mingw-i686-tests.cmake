# The Windows-side tests of the PE32. GoogleTest needs std::mutex, which only
# the posix thread model has; the tests run against the product's own exe
# (DEMODISC_EXE).
set(DEMODISC_MINGW_PROCESSOR i686)
set(DEMODISC_THREAD_MODEL posix)
set(DEMODISC_WINDOWS_TESTS ON)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
