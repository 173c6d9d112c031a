target_sources(gorvin_app PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CommandLine.cpp ${CMAKE_CURRENT_LIST_DIR}/CommandLine.h
  ${CMAKE_CURRENT_LIST_DIR}/PaperImage.cpp ${CMAKE_CURRENT_LIST_DIR}/PaperImage.h
  ${CMAKE_CURRENT_LIST_DIR}/FormMAIN.cpp ${CMAKE_CURRENT_LIST_DIR}/FormMAIN.h
  ${CMAKE_CURRENT_LIST_DIR}/MainState.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProductCommand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MenuCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PrintCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgramWindows.cpp ${CMAKE_CURRENT_LIST_DIR}/ProgramWindows.h
)
