#!/bin/sh
# Runs the start-up benchmark eleven times for each side and prints the medians.
# Usage: bench/startup.sh <build-dir>   (build the target bench_startup first)
set -eu
BIN="$1/bench/bench_startup"
: "${QT_QPA_PLATFORM:=offscreen}"; export QT_QPA_PLATFORM
OUT="$(mktemp)"
for side in bare app; do
  : > "$OUT"
  for i in 1 2 3 4 5 6 7 8 9 10 11; do
    "$BIN" "$side" "$(date +%s%N)" | sed -n 's/.*first_window_ms=\([0-9.]*\) peak_rss_kib=\([0-9]*\).*/\1 \2/p' >> "$OUT"
  done
  t=$(cut -d' ' -f1 "$OUT" | sort -n | sed -n 6p)
  m=$(cut -d' ' -f2 "$OUT" | sort -n | sed -n 6p)
  echo "$side: median first window ${t} ms, median peak RSS ${m} KiB"
done
rm -f "$OUT"
