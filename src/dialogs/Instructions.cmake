# The instructions document ships beside the program: the build copies it
# next to the gorvin executable.
# Included from src/CMakeLists.txt after the gorvin target is made.
set(GORVIN_INSTRUCTIONS_SOURCE ${PROJECT_SOURCE_DIR}/docs/Gorvin02Instructions.rtf)
set(GORVIN_INSTRUCTIONS_BUILT ${CMAKE_CURRENT_BINARY_DIR}/Gorvin02Instructions.rtf)
add_custom_command(OUTPUT ${GORVIN_INSTRUCTIONS_BUILT}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${GORVIN_INSTRUCTIONS_SOURCE} ${GORVIN_INSTRUCTIONS_BUILT}
  DEPENDS ${GORVIN_INSTRUCTIONS_SOURCE}
  COMMENT "Copying the instructions document beside the program")
add_custom_target(gorvin_instructions ALL DEPENDS ${GORVIN_INSTRUCTIONS_BUILT})
add_dependencies(gorvin gorvin_instructions)
# cmake/Install.cmake installs it with the program's other data.
