# Faults and bad input: interrupted and failing saves, unreadable and huge
# data files, an error log that cannot be written, absurd templates; and the
# fuzz corpus (tests/fuzz/corpus) replayed through the readers of fuzz/.
gorvin_add_test(test_faults LIBS gorvin_model gorvin_settings gorvin_render SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/FaultTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/fuzz/CorpusReplayTest.cpp
  ${CMAKE_SOURCE_DIR}/fuzz/FuzzTargets.h
  ${CMAKE_SOURCE_DIR}/fuzz/FuzzJobFile.cpp
  ${CMAKE_SOURCE_DIR}/fuzz/FuzzFontText.cpp
  ${CMAKE_SOURCE_DIR}/fuzz/FuzzDataFile.cpp
  ${CMAKE_SOURCE_DIR}/fuzz/FuzzRtf.cpp
  ${CMAKE_SOURCE_DIR}/fuzz/FuzzPage.cpp
)
target_include_directories(test_faults PRIVATE ${CMAKE_SOURCE_DIR}/fuzz)
target_compile_definitions(test_faults PRIVATE GORVIN_FUZZ_CORPUS="${CMAKE_SOURCE_DIR}/tests/fuzz/corpus")
