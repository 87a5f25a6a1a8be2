#!/bin/sh
# Installs what is missing, checks the code style, builds and runs every
# test: the plain build, the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, and a bounded fuzzing run of the preferences
# reader.
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh test
JOBS="${JOBS:-$(nproc)}" # a shared machine can ask for fewer
export JOBS
export QT_QPA_PLATFORM=offscreen

scripts/check-format.sh

scripts/configure.sh build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUANDE_TESTS=ON
cmake --build build-test -j"$JOBS"
ctest --test-dir build-test --output-on-failure --no-tests=error -j"$JOBS"

scripts/configure.sh build-sanitize -DCMAKE_BUILD_TYPE=Debug -DQUANDE_SANITIZE=ON -DQUANDE_TESTS=ON
cmake --build build-sanitize -j"$JOBS"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --output-on-failure --no-tests=error -j"$JOBS"

tests/fuzz/run_fuzz.sh build-fuzz
