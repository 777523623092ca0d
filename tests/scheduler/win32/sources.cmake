# The tests of the scheduler against the Win32 file system, compiled into the Windows test executable.
list(APPEND LVTX_WIN32_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/LogFileWin32Test.cpp
)
