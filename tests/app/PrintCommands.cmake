# Printing from the main window and the calibration window, end to end
# through the print system's "LabelPDF" queue; the direct PDFs to compare
# with come from the program itself.
gorvin_add_test(test_printcommands LIBS gorvin_app SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/MainWindowFixture.cpp ${CMAKE_CURRENT_LIST_DIR}/MainWindowFixture.h
  ${CMAKE_CURRENT_LIST_DIR}/PrintFixtures.cpp ${CMAKE_CURRENT_LIST_DIR}/PrintFixtures.h
  ${CMAKE_CURRENT_LIST_DIR}/PrintCommandsTest.cpp
)
target_compile_definitions(test_printcommands PRIVATE GORVIN_EXECUTABLE="$<TARGET_FILE:gorvin>")
add_dependencies(test_printcommands gorvin)
