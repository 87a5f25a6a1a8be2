#!/bin/sh
# Installs what is needed, builds Quandelvorix and starts it.
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQUANDE_TESTS=OFF >/dev/null
cmake --build build --target Quandelvorix -j"$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Quandelvorix needs a graphical desktop and could not open one (tried no display: neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  exit 1
fi
exec build/Quandelvorix/Quandelvorix
