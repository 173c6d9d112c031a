# The product chooser and Template > "New from product..." on the main window.
gorvin_add_test(test_dialogs_product LIBS gorvin_app SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ProductTest.cpp
)
