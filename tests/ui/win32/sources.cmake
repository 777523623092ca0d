# The tests of the pages' list views and of the import dialog on real files with the real
# length probe, compiled into the Windows test executable with the dialog's template; the probe
# uses the built program's tools folder.
list(APPEND LVTX_WIN32_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ListViewsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImportDialogTest.cpp
  ${PROJECT_SOURCE_DIR}/src/ui/win32/ImportDialog.rc
)
list(APPEND LVTX_TEST_LIBRARIES lvtx_ui_win32)
file(RELATIVE_PATH program_folder ${CMAKE_CURRENT_BINARY_DIR} ${CMAKE_BINARY_DIR})
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/ImportDialogTest.cpp PROPERTIES
  COMPILE_DEFINITIONS "LVTX_PROGRAM_FOLDER_FROM_TESTS=\"${program_folder}\"")
