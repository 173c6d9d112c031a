#!/usr/bin/env bash
# A message box or the status line says a text from support/Messages, never
# a literal written where it is shown (a call may run over several lines).
set -u
src="$1"
hits=$(find "$src" -name '*.cpp' -o -name '*.h' | sort | xargs perl -0777 -ne '
  while (/(messageSeam\(\)\s*\.\s*(?:error|warning|information|question|show|ask)|showMessage)\(\s*(?:QStringLiteral|QLatin1|u"|")/g) {
    my ($call, $at) = ($1, $-[0]);
    my $line = 1 + (() = substr($_, 0, $at) =~ /\n/g);
    print "$ARGV:$line: $call\n";
  }')
if [ -n "$hits" ]; then
  echo "Message texts written where they are shown (put them in support/Messages):"
  echo "$hits"
  exit 1
fi
echo "every message text comes from support/Messages"
