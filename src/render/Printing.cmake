# The print run, its printer and PDF targets, and the printer calibration
# store. Printers are reached through Qt's print support and, for handing a
# finished document to a queue, the print system's own library.
find_package(Cups REQUIRED)
add_library(gorvin_print STATIC
  PrintRun.cpp PrintRun.h
  PrinterCalibration.cpp PrinterCalibration.h
)
target_include_directories(gorvin_print PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/..)
target_link_libraries(gorvin_print PUBLIC gorvin_render gorvin_settings gorvin_support
  Qt6::PrintSupport PRIVATE Cups::Cups)
