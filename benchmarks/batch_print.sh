#!/usr/bin/env bash
# End-to-end timing of the batch printer: jobs of 3 000, 30 000 and
# 1 000 000 address labels on a US Letter sheet of 3 x 10 labels (66.675 x
# 25.4 mm, 2 mm insets, text centred both ways, shrink to fit, "COURIER NEW"
# 12 point bold), printed with --output to a PDF file. The addresses are
# gen_records.py's: four lines of UTF-8 names, streets, towns and countries,
# long double-barrelled ones among them, so that about a third of the labels
# are shrunk to fit. Beside it, on the same data, the yardstick:
# pdf_yardstick, the plainest QPdfWriter loop that measures each line once
# and draws it once (targets: the batch printer's CPU time at most 0.8 of
# the yardstick's at 30 000 labels, 1 000 000 labels in under 40 s of CPU,
# peak memory the data file and 32 MiB at most).
# Reports for each the wall and CPU time (best of three runs; one run of a
# million), the peak memory (largest, from /usr/bin/time), the PDF's size
# and its page content before compression. Then, when the print system has
# the LabelPDF queue, the time to spool 3 000 labels to it (target: under
# 0.5 s) and the size of what was sent.
# The job file data/letter-3x10-addresses.GVJ holds the sheet and the format;
# the data files are generated here and given with --data.
# Usage: benchmarks/batch_print.sh [PATH/TO/gorvin]
#        BATCH_LABELS="3000 30000" benchmarks/batch_print.sh   (other sizes)
#        GORVIN_BEFORE=OLD/gorvin benchmarks/batch_print.sh      (an older
#        build measured beside, on the same data, in the same run)
set -euo pipefail
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
GORVIN="${1:-${GORVIN_EXECUTABLE:-$HERE/../build-bench/src/gorvin}}"
YARDSTICK="$(dirname "$GORVIN")/../benchmarks/pdf_yardstick"
JOB="$HERE/data/letter-3x10-addresses.GVJ"
TIME=/usr/bin/time
LABELS="${BATCH_LABELS:-3000 30000 1000000}"

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
  python3 "$HERE/gen_records.py" "$1" "$work/records"
  mv "$work/records.txt" "$2"
  rm -f "$work/records.csv"
}

# The page content streams of a PDF, inflated: bytes per page.
content_per_page() { # file
  python3 - "$1" <<'PY' 2>/dev/null || echo "?"
import re, sys, zlib
data = open(sys.argv[1], 'rb').read()
total = pages = 0
for m in re.finditer(rb'<<([^<>]*?)>>\s*stream\r?\n', data):
    d = m.group(1)
    if b'/Type' in d or b'/Length1' in d or b'/Subtype' in d:
        continue
    s = data[m.end():data.find(b'endstream', m.end())]
    if b'FlateDecode' in d:
        s = zlib.decompressobj().decompress(s)
    if b' Tj' in s or b' re' in s or b' l\n' in s:
        total += len(s)
        pages += 1
print(total // max(pages, 1))
PY
}

# Runs a command `runs` times; sets best_wall, best_cpu (seconds) and peak
# (KiB).
measure() { # runs command...
  local runs=$1
  shift
  best_wall="" best_cpu="" peak=0
  for _ in $(seq 1 "$runs"); do
    local start end wall cpu rss
    start=$(date +%s.%N)
    "$TIME" -f "%U %S %M" -o "$work/time" "$@" 2>"$work/err" >/dev/null || {
      echo "failed: $*" >&2
      cat "$work/err" >&2
      exit 1
    }
    end=$(date +%s.%N)
    wall=$(awk -v a="$start" -v b="$end" 'BEGIN { print b - a }')
    cpu=$(tail -n 1 "$work/time" | awk '{ print $1 + $2 }')
    rss=$(tail -n 1 "$work/time" | awk '{ print $3 }')
    if [ -z "$best_wall" ] || awk -v a="$wall" -v b="$best_wall" 'BEGIN { exit !(a < b) }'; then best_wall=$wall; fi
    if [ -z "$best_cpu" ] || awk -v a="$cpu" -v b="$best_cpu" 'BEGIN { exit !(a < b) }'; then best_cpu=$cpu; fi
    if [ "$rss" -gt "$peak" ]; then peak=$rss; fi
  done
}

row() { # name labels pdf
  local pages size
  pages=$(pdfinfo "$3" 2>/dev/null | awk '/^Pages:/ { print $2 }')
  size=$(stat -c %s "$3")
  printf "%-10s %9s %7s %9.3f %8.3f %10.1f %10.1f %12s\n" "$1" "$2" "${pages:-?}" "$best_wall" "$best_cpu" \
    "$(awk -v k="$peak" 'BEGIN { print k / 1024 }')" "$(awk -v b="$size" 'BEGIN { print b / 1024 }')" \
    "$(content_per_page "$3")"
}

echo "== batch_print (gorvin --print ... --output FILE.pdf) beside pdf_yardstick (plain QPdfWriter loop)"
printf "%-10s %9s %7s %9s %8s %10s %10s %12s\n" "program" "labels" "pages" "wall (s)" "CPU (s)" "peak (MiB)" \
  "PDF (KiB)" "content/page"
for labels in $LABELS; do
  data="$work/addresses-$labels.txt"
  make_addresses "$labels" "$data"
  runs=3
  [ "$labels" -ge 1000000 ] && runs=1
  measure "$runs" "$GORVIN" --print "$JOB" --data "$data" --output "$work/gorvin.pdf"
  gorvin_cpu=$best_cpu
  row gorvin "$labels" "$work/gorvin.pdf"
  echo "           data file: $(awk -v b="$(stat -c %s "$data")" 'BEGIN { printf "%.1f MiB", b / 1048576 }')"
  if [ -n "${GORVIN_BEFORE:-}" ]; then
    measure "$runs" "$GORVIN_BEFORE" --print "$JOB" --data "$data" --output "$work/before.pdf"
    row before "$labels" "$work/before.pdf"
    awk -v g="$gorvin_cpu" -v b="$best_cpu" 'BEGIN { printf "           CPU time of gorvin / before: %.2f\n", g / b }'
  fi
  if [ -x "$YARDSTICK" ]; then
    measure "$runs" "$YARDSTICK" "$JOB" "$data" "$work/yardstick.pdf"
    row yardstick "$labels" "$work/yardstick.pdf"
    awk -v g="$gorvin_cpu" -v y="$best_cpu" 'BEGIN { printf "           CPU time of gorvin / yardstick: %.2f\n", g / y }'
  fi
  rm -f "$data" "$work"/*.pdf
done

# The print system's route: the document spooled to the LabelPDF queue.
if lpstat -p LabelPDF >/dev/null 2>&1; then
  data="$work/addresses-3000.txt"
  make_addresses 3000 "$data"
  measure 3 "$GORVIN" --print "$JOB" --data "$data" --printer LabelPDF
  echo "== spooled to LabelPDF: 3000 labels, best wall $best_wall s, CPU $best_cpu s (target: under 0.5 s)"
fi
