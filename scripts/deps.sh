#!/bin/sh
# Installs, from Debian's packages, what is needed to build and run the
# application ("run") or also to test it ("test"). It asks dpkg first and
# calls apt-get (through sudo when not root) only when a package is missing,
# so a machine that has everything needs neither the network nor a password.
set -eu
RUN_PACKAGES="build-essential cmake qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core xdg-utils"
TEST_PACKAGES="$RUN_PACKAGES libgtest-dev clang libclang-rt-14-dev clang-format python3"
case "${1:-}" in
  run) wanted=$RUN_PACKAGES ;;
  test) wanted=$TEST_PACKAGES ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

missing=""
for package in $wanted; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
  if [ "$status" != installed ]; then missing="$missing $package"; fi
done
if [ -z "$missing" ]; then exit 0; fi

echo "Installing:$missing" >&2
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
$SUDO apt-get update -qq
# shellcheck disable=SC2086 # one word a package
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
