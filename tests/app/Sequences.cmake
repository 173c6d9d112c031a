# Sequences of commands on the main window; after the memory-limit fault test.
target_sources(test_mainwindow PRIVATE ${CMAKE_CURRENT_LIST_DIR}/SequencesTest.cpp)
