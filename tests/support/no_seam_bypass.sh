#!/usr/bin/env bash
# Every prompt goes through the message and dialog seams: no other source file
# may open a message box or a common dialog itself.
set -u
src="$1"
hits=$(grep -rnE "QMessageBox::(information|warning|critical|question|about)|QMessageBox [a-z]|QFileDialog::get|QFontDialog::get|QColorDialog::get|QPrintDialog [a-z]|QPageSetupDialog [a-z]" \
  "$src" --include=*.cpp --include=*.h |
  grep -v -e "src/support/Dialogs.cpp" -e "src/support/MessageBoxSeam.cpp" |
  grep -vE ":[0-9]+:[[:space:]]*//")
if [ -n "$hits" ]; then
  echo "Prompts that bypass the seams:"
  echo "$hits"
  exit 1
fi
echo "every prompt goes through the seams"
