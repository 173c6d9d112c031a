# The printer calibration test page, drawn onto any canvas.
target_sources(gorvin_print PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CalibrationPage.cpp ${CMAKE_CURRENT_LIST_DIR}/CalibrationPage.h
)

