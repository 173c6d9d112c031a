#!/usr/bin/env bash
# End-to-end timing of the batch printer: jobs of 3 000 and 30 000 four-line
# address labels on a US Letter sheet of 3 x 10 labels (2 mm insets, text
# centred both ways, shrink to fit, "COURIER NEW" 12 point bold), printed with
# --output to a PDF file. Reports the wall time (best of three runs), the peak
# memory (largest of the three, from /usr/bin/time) and the PDF's size.
# The job file data/letter-3x10-addresses.GVJ holds the sheet and the format;
# the data files are generated here and given with --data.
# Usage: benchmarks/batch_print.sh [PATH/TO/gorvin]
set -euo pipefail
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
GORVIN="${1:-${GORVIN_EXECUTABLE:-$HERE/../build-bench/src/gorvin}}"
JOB="$HERE/data/letter-3x10-addresses.GVJ"
TIME=/usr/bin/time
RUNS=3

if [ ! -x "$GORVIN" ]; then
  echo "batch_print.sh: no gorvin executable at $GORVIN" >&2
  exit 1
fi
if [ ! -x "$TIME" ]; then
  echo "batch_print.sh: $TIME is missing (Debian package time)" >&2
  exit 1
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# Settings and the error log of these runs stay out of the user's own.
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" GORVIN_PROGRAM_FOLDER="$work/program"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

make_addresses() { # count file
  awk -v n="$1" 'BEGIN {
    for (i = 1; i <= n; i++)
      printf "Mr John Addressee %d\r\n%d Long Meadow Street\r\nSpringfield Heights\r\nIL 62704-%04d\r\n\r\n",
             i, i % 997 + 1, i % 10000
  }' > "$2"
}

echo "== batch_print (gorvin --print ... --output FILE.pdf)"
printf "%-14s %7s %12s %12s %14s\n" "labels" "pages" "wall (s)" "peak (MiB)" "PDF (KiB)"
for labels in 3000 30000; do
  data="$work/addresses-$labels.txt"
  pdf="$work/labels-$labels.pdf"
  make_addresses "$labels" "$data"
  best=""
  peak=0
  for _ in $(seq 1 "$RUNS"); do
    start=$(date +%s.%N)
    "$TIME" -f "%M" -o "$work/rss" "$GORVIN" --print "$JOB" --data "$data" --output "$pdf" 2>"$work/err" || {
      echo "gorvin failed:" >&2
      cat "$work/err" >&2
      exit 1
    }
    end=$(date +%s.%N)
    wall=$(awk -v a="$start" -v b="$end" 'BEGIN { print b - a }')
    if [ -z "$best" ] || awk -v a="$wall" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$wall; fi
    rss=$(tail -n 1 "$work/rss")
    [ "$rss" -gt "$peak" ] && peak=$rss
  done
  pages=$(pdfinfo "$pdf" 2>/dev/null | awk '/^Pages:/ { print $2 }')
  size=$(stat -c %s "$pdf")
  printf "%-14s %7s %12.3f %12.1f %14.1f\n" "$labels" "${pages:-?}" "$best" "$(awk -v k="$peak" 'BEGIN { print k / 1024 }')" \
    "$(awk -v b="$size" 'BEGIN { print b / 1024 }')"
done
