# The label catalogue reader, against the installed catalogue (skipped
# without the glabels-data package) and catalogue files written by the tests.
gorvin_add_test(test_catalogue LIBS gorvin_model SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/CatalogueTest.cpp
)
