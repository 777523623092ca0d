# The tests of the Windows volume readers, compiled into the Windows test executable.
list(APPEND LVTX_WIN32_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/SystemVolumeReaderTest.cpp
)
list(APPEND LVTX_TEST_LIBRARIES lvtx_system_win32)
