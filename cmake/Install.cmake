# Installing Gorvin as a desktop program under CMAKE_INSTALL_PREFIX:
#   bin/gorvin
#   share/Mardo/Gorvin/Gorvin02Instructions.rtf   (found there by the Help menu)
#   share/applications/gorvin.desktop               (Office; opens job files)
#   share/mime/packages/gorvin.xml                  (job and template file types)
#   share/icons/hicolor/scalable/apps/gorvin.svg
# The about box draws its own pictures; nothing else is needed at run time.
# Installed system-wide, the program cannot write beside itself and keeps its
# error log and its Jobs, Templates, Data and Pics folders in the per-user
# data folder (~/.local/share/Mardo/Gorvin).
include(GNUInstallDirs)

install(TARGETS gorvin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/docs/Gorvin02Instructions.rtf
  DESTINATION ${CMAKE_INSTALL_DATADIR}/Mardo/Gorvin)
install(FILES ${PROJECT_SOURCE_DIR}/data/gorvin.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/gorvin.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${PROJECT_SOURCE_DIR}/data/gorvin.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The desktop's caches learn of the new file types and the program at once,
# unless the tree is staged for a package (DESTDIR set), whose own
# triggers do this on the target machine.
option(GORVIN_UPDATE_DESKTOP_CACHES "Refresh the MIME and desktop caches after installing" ON)
if(GORVIN_UPDATE_DESKTOP_CACHES)
  install(CODE "
    if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
      set(gorvin_share \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}\")
      find_program(GORVIN_UPDATE_MIME update-mime-database)
      if(GORVIN_UPDATE_MIME)
        execute_process(COMMAND \"\${GORVIN_UPDATE_MIME}\" \"\${gorvin_share}/mime\" RESULT_VARIABLE status)
        if(NOT status EQUAL 0)
          message(WARNING \"update-mime-database \${gorvin_share}/mime failed: \${status}\")
        endif()
      endif()
      find_program(GORVIN_UPDATE_DESKTOP update-desktop-database)
      if(GORVIN_UPDATE_DESKTOP)
        execute_process(COMMAND \"\${GORVIN_UPDATE_DESKTOP}\" -q \"\${gorvin_share}/applications\")
      endif()
    endif()")
endif()
