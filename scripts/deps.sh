#!/bin/sh
# Installs what building, running and testing need, from Debian's packages.
set -eu
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends \
  build-essential cmake qt6-base-dev qt6-base-dev-tools libgl-dev \
  libgtest-dev clang libclang-rt-14-dev \
  fonts-dejavu-core python3 e2fsprogs xdg-utils >/dev/null
