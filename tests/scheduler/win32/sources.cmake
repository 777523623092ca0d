# The tests of the scheduler against the Win32 file system and the engine window, compiled into
# the Windows test executable.
list(APPEND LVTX_WIN32_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/LogFileWin32Test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EngineWindowTest.cpp
)
list(APPEND LVTX_TEST_LIBRARIES lvtx_scheduler_win32)
