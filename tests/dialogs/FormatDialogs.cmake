# The format labels dialog, the about box with its splash rule, the
# instructions windows and the RTF reader.
gorvin_add_test(test_dialogs_format LIBS gorvin_dialogs gorvin_settings SOURCES
  FormatDialogTest.cpp
  AboutSplashTest.cpp
  RtfReaderTest.cpp
  HelpWindowsTest.cpp
)
target_compile_definitions(test_dialogs_format PRIVATE
  GORVIN_DOCS_DIR="${PROJECT_SOURCE_DIR}/docs")
