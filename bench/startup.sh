#!/bin/sh
# Start-up of the shipped application beside bare Qt programs whose window has
# the terms window's size and kinds of content, under a real X server (Xvfb)
# and offscreen. Each program runs as a whole process with the probe library
# preloaded, which ends it at the first event-loop pass after its first window
# is painted. The application starts in a fresh folder with no preferences
# file, so its first window is the terms window.
# Usage: bench/startup.sh [--wm] <build-dir> [rounds]
#   rounds  interleaved rounds of all programs, 21 unless given
#   --wm    run a window manager (openbox) on the X server too
set -eu
WM=
if [ "${1:-}" = --wm ]; then WM=openbox; shift; fi
BUILD="$(cd "$1" && pwd)"
ROUNDS="${2:-21}"
cmake --build "$BUILD" --target bench_startup -j"${JOBS:-$(nproc)}" >/dev/null

WORK="$(mktemp -d "$BUILD/bench/startup.XXXXXX")"
XPID=
WMPID=
cleanup() {
  if [ -n "$WMPID" ]; then kill "$WMPID" 2>/dev/null || true; fi
  if [ -n "$XPID" ]; then kill "$XPID" 2>/dev/null || true; fi
  rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 1' HUP INT PIPE TERM

# The shipped executable itself (a second link to the same file, a copy only
# across file systems) in a folder of its own: no preferences file beside it.
mkdir "$WORK/Quandelvorix"
ln "$BUILD/Quandelvorix/Quandelvorix" "$WORK/Quandelvorix/" 2>/dev/null ||
  cp "$BUILD/Quandelvorix/Quandelvorix" "$WORK/Quandelvorix/"
ln -s "$BUILD/Quandelvorix/Resources" "$WORK/Quandelvorix/Resources"
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  mkdir -m 700 "$WORK/runtime"
  XDG_RUNTIME_DIR="$WORK/runtime"
  export XDG_RUNTIME_DIR
fi

run() {
  "$BUILD/bench/bench_startup" "$ROUNDS" "$BUILD/bench/libstartup_probe.so" \
    "app=$WORK/Quandelvorix/Quandelvorix" \
    "bare=$BUILD/bench/bench_bare_terms" \
    "bare+network=$BUILD/bench/bench_bare_terms_network"
}

Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$WORK/display" 2>/dev/null &
XPID=$!
for _ in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20; do
  [ -s "$WORK/display" ] && break
  sleep 0.25
done
if [ ! -s "$WORK/display" ]; then echo "Xvfb did not start" >&2; exit 1; fi
DISPLAY=":$(cat "$WORK/display")"
export DISPLAY
if [ -n "$WM" ]; then
  "$WM" >/dev/null 2>&1 &
  WMPID=$!
  sleep 1
fi

QT_QPA_PLATFORM=xcb run
echo
QT_QPA_PLATFORM=offscreen run
