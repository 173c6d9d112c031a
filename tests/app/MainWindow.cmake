gorvin_add_test(test_mainwindow LIBS gorvin_app SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/MainWindowFixture.cpp ${CMAKE_CURRENT_LIST_DIR}/MainWindowFixture.h
  ${CMAKE_CURRENT_LIST_DIR}/MainWindowTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CommandLineTest.cpp
)
target_sources(test_mainwindow PRIVATE ${CMAKE_CURRENT_LIST_DIR}/FileCommandsTest.cpp)
target_sources(test_mainwindow PRIVATE ${CMAKE_CURRENT_LIST_DIR}/MenuCommandsTest.cpp)
target_sources(test_mainwindow PRIVATE ${CMAKE_CURRENT_LIST_DIR}/BoxesAndDialogsTest.cpp)
