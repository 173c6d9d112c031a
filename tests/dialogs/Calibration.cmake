# The calibration window, printing its test page on a recording printer.
gorvin_add_test(test_dialogs_calibration LIBS gorvin_dialogs gorvin_print SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/CalibrationTest.cpp
)
