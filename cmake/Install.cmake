# Installing Gorvin as a desktop program under CMAKE_INSTALL_PREFIX:
#   bin/gorvin
#   share/Mardo/Gorvin/Gorvin02Instructions.rtf   (found there by the Help menu)
#   share/applications/example.mardo_software.gorvin.desktop
#                                                   (Office; opens job files)
#   share/metainfo/example.mardo_software.gorvin.metainfo.xml
#                                                   (what software centres show)
#   share/mime/packages/gorvin.xml                  (job and template file types)
#   share/icons/hicolor/scalable/apps/gorvin.svg
#   share/man/man1/gorvin.1
# The about box draws its own pictures; nothing else is needed at run time.
# Installed system-wide, the program cannot write beside itself and keeps its
# error log and its Jobs, Templates, Data and Pics folders in the per-user
# data folder (~/.local/share/Mardo/Gorvin).
include(GNUInstallDirs)

install(TARGETS gorvin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/docs/Gorvin02Instructions.rtf
  DESTINATION ${CMAKE_INSTALL_DATADIR}/Mardo/Gorvin)
install(FILES ${PROJECT_SOURCE_DIR}/data/example.mardo_software.gorvin.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_BINARY_DIR}/src/gorvin.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The desktop entry starts the program by its installed absolute path, so
# that it works when that folder is not on PATH. The path is written as the
# entry is installed, so that it follows `cmake --install --prefix`; a staged
# install (DESTDIR) names the path the program will have on the target.
install(CODE "
  set(gorvin_bindir \"${CMAKE_INSTALL_BINDIR}\")
  if(NOT IS_ABSOLUTE \"\${gorvin_bindir}\")
    set(gorvin_bindir \"\${CMAKE_INSTALL_PREFIX}/\${gorvin_bindir}\")
  endif()
  set(GORVIN_EXEC \"\${gorvin_bindir}/gorvin\")
  # Written in a folder of this prefix's own: installs into several
  # prefixes at once (the tests do that) must not share the file.
  string(MD5 gorvin_stage \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
  set(gorvin_stage \"${CMAKE_BINARY_DIR}/desktop-entry-\${gorvin_stage}\")
  configure_file(\"${PROJECT_SOURCE_DIR}/data/gorvin.desktop.in\"
    \"\${gorvin_stage}/example.mardo_software.gorvin.desktop\" @ONLY)
  file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\" TYPE FILE
    FILES \"\${gorvin_stage}/example.mardo_software.gorvin.desktop\")
  file(REMOVE_RECURSE \"\${gorvin_stage}\")")
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
