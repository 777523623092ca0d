# The tests of the Win32 layer, compiled into the Windows test executable.
set(LVTX_WIN32_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Win32FileSystemTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AccessRepairTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Win32PromptTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Win32DataFileTest.cpp
)
