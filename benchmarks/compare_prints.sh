#!/usr/bin/env bash
# Whether two builds of gorvin print a job alike: both print it with
# --output, then the PDFs' words and their boxes (pdftotext -bbox, equal to
# within 0.00001 point: the writer's last printed digit) and the images of
# their first pages at 600 DPI (pdftoppm, pixel for pixel) are compared.
# Usage: benchmarks/compare_prints.sh OLD/gorvin NEW/gorvin JOB.GVJ DATA [PAGES]
# Exit status 0 when they print alike, 1 when not (the differences shown).
set -euo pipefail
if [ $# -lt 4 ]; then
  echo "Usage: $0 OLD/gorvin NEW/gorvin JOB.GVJ DATA [PAGES]" >&2
  exit 2
fi
OLD=$1 NEW=$2 JOB=$3 DATA=$4 PAGES=${5:-3}
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" GORVIN_PROGRAM_FOLDER="$work/program"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

for side in old new; do
  exe=$OLD
  [ "$side" = new ] && exe=$NEW
  "$exe" --print "$JOB" --data "$DATA" --output "$work/$side.pdf" 2>"$work/err" || { cat "$work/err" >&2; exit 1; }
  pdftotext -bbox "$work/$side.pdf" - | grep '<word ' > "$work/$side.words" || true
done

status=0
if ! awk -F'"' '
  NR == FNR { old[FNR] = $0; n = FNR; next }
  {
    split(old[FNR], o, "\"")
    if (FNR > n || o[9] != $9) { print "word " FNR ": " old[FNR] " / " $0; bad = 1; next }
    for (i = 2; i <= 8; i += 2) {
      d = o[i] - $i
      if (d > 0.00001 || d < -0.00001) { print "word " FNR ": " old[FNR] " / " $0; bad = 1; next }
    }
  }
  END { if (FNR != n) { print "word counts differ: " n " / " FNR; bad = 1 } exit bad }' \
  "$work/old.words" "$work/new.words" | head -20; then
  status=1
fi
echo "words: $(wc -l < "$work/old.words") old, $(wc -l < "$work/new.words") new"

pages=$(pdfinfo "$work/old.pdf" | awk '/^Pages:/ { print $2 }')
[ "$pages" -lt "$PAGES" ] && PAGES=$pages
for page in $(seq 1 "$PAGES"); do
  for side in old new; do
    pdftoppm -r 600 -gray -f "$page" -l "$page" "$work/$side.pdf" "$work/$side-page"
  done
  if cmp -s "$work"/old-page-*.pgm "$work"/new-page-*.pgm; then
    echo "page $page: the same image"
  else
    echo "page $page: the images differ"
    status=1
  fi
  rm -f "$work"/*-page-*.pgm
done
exit $status
