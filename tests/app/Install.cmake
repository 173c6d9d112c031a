# Installing into a temporary prefix and running the installed program. The
# test runs `cmake --install` on this build tree, so it needs the program
# built first.
gorvin_add_test(test_install LIBS gorvin_app Qt6::Svg SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/InstallTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PrintFixtures.cpp ${CMAKE_CURRENT_LIST_DIR}/PrintFixtures.h
)
target_compile_definitions(test_install PRIVATE
  GORVIN_BUILD_DIR="${CMAKE_BINARY_DIR}"
  GORVIN_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
  GORVIN_CMAKE_COMMAND="${CMAKE_COMMAND}"
  GORVIN_EXECUTABLE="$<TARGET_FILE:gorvin>")
add_dependencies(test_install gorvin)
