# The tests of the Windows volume readers and of the logon-start options in the registry,
# compiled into the Windows test executable.
list(APPEND LVTX_WIN32_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/SystemVolumeReaderTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AutostartRegistryTest.cpp
)
list(APPEND LVTX_TEST_LIBRARIES lvtx_system_win32)
