# The format labels dialog, the about box with its splash rule and the
# instructions windows.
gorvin_add_test(test_dialogs_format LIBS gorvin_dialogs gorvin_settings SOURCES
  FormatDialogTest.cpp
  AboutSplashTest.cpp
  HelpWindowsTest.cpp
)
target_compile_definitions(test_dialogs_format PRIVATE
  GORVIN_DOCS_DIR="${PROJECT_SOURCE_DIR}/docs")
