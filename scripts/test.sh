#!/bin/sh
# Installs what is needed, builds and runs every test: the plain build, the
# same tests under AddressSanitizer and UndefinedBehaviorSanitizer, and a
# bounded fuzzing run of the preferences reader.
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh
JOBS="${JOBS:-$(nproc)}" # a shared machine can ask for fewer
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUANDE_TESTS=ON >/dev/null
cmake --build build -j"$JOBS"
ctest --test-dir build --output-on-failure --no-tests=error -j"$JOBS"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DQUANDE_SANITIZE=ON -DQUANDE_TESTS=ON >/dev/null
cmake --build build-sanitize -j"$JOBS"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --output-on-failure --no-tests=error -j"$JOBS"

tests/fuzz/run_fuzz.sh build-fuzz
