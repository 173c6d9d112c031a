# The printer calibration test page, drawn onto any canvas. The calibration
# window (src/dialogs) prints it on a printer of this library and stores what
# it measures through the calibration store, so the dialog library links it;
# that library is made after this folder, hence the deferred call.
target_sources(gorvin_print PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CalibrationPage.cpp ${CMAKE_CURRENT_LIST_DIR}/CalibrationPage.h
)
cmake_language(DEFER DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/..
  CALL target_link_libraries gorvin_dialogs PUBLIC gorvin_print)
