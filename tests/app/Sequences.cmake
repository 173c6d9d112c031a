# Everyday sequences of commands on the main window. Last in the program: its
# real file dialog leaves freed heap behind, which the memory-limit fault test
# must not meet when the whole program runs in one process.
target_sources(test_mainwindow PRIVATE ${CMAKE_CURRENT_LIST_DIR}/SequencesTest.cpp)
