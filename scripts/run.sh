#!/bin/sh
# Installs what is missing, builds Quandelvorix in build/ and starts it.
# The tests build in folders of their own, so neither undoes the other.
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh run
JOBS="${JOBS:-$(nproc)}" # a shared machine can ask for fewer
scripts/configure.sh build -DCMAKE_BUILD_TYPE=Release -DQUANDE_TESTS=OFF
cmake --build build --target Quandelvorix -j"$JOBS"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Quandelvorix needs a graphical desktop and could not open one (tried no display: neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  exit 1
fi
exec build/Quandelvorix/Quandelvorix
