# The calibration test page drawn onto a recording canvas.
gorvin_add_test(test_calibrationpage LIBS gorvin_print SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/CalibrationPageTest.cpp
)
