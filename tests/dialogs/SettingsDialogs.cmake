# The units, scale, software-settings, paper-type and layout dialogs.
gorvin_add_test(test_dialogs_settings LIBS gorvin_dialogs SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/SettingsDialogsTest.cpp
)
