#!/bin/sh
# Installs what is needed, builds Quandelvorix and starts it.
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQUANDE_TESTS=OFF >/dev/null
cmake --build build --target Quandelvorix -j"$(nproc)"
exec build/Quandelvorix/Quandelvorix
