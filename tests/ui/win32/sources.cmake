# The tests of the pages' list views, compiled into the Windows test executable.
list(APPEND LVTX_WIN32_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ListViewsTest.cpp
)
list(APPEND LVTX_TEST_LIBRARIES lvtx_ui_win32)
