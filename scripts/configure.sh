#!/bin/sh
# Configures <build-dir> with the given cache settings, but only when the
# folder is new or was configured with other ones: an unchanged folder goes
# straight to the build, whose own check re-runs CMake when a CMakeLists.txt
# changed.
# Usage: scripts/configure.sh <build-dir> -DNAME=VALUE...
set -eu
build=$1
shift
cache="$build/CMakeCache.txt"
if [ -f "$cache" ]; then
  same=yes
  for setting in "$@"; do
    name=${setting#-D}
    name=${name%%=*}
    value=${setting#*=}
    grep -Eq "^$name:[A-Z]+=$value\$" "$cache" || same=no
  done
  if [ "$same" = yes ]; then exit 0; fi
fi
cmake -S "$(dirname "$0")/.." -B "$build" "$@" >/dev/null
