# The main window under faults and bad input (tests/app/FaultsTest.cpp).
target_sources(test_mainwindow PRIVATE ${CMAKE_CURRENT_LIST_DIR}/FaultsTest.cpp)
