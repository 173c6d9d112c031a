# The print run against a recording printer, and the printer calibration
# store. Printing through the real print system is tested end to end with the
# program itself in tests/app.
gorvin_add_test(test_print LIBS gorvin_print SOURCES
  PrintRunTest.cpp
  PrinterCalibrationTest.cpp
)
