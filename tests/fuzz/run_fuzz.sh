#!/bin/sh
# Builds the preferences fuzz target with clang in <build-dir> and runs it for a
# bounded time. Exits non-zero on a crash, a leak, undefined behaviour or a
# memory blow-up.
set -eu

if [ $# -ne 1 ]; then
    echo "usage: $0 <build-dir>" >&2
    exit 2
fi
build=$1
source_dir=$(cd "$(dirname "$0")/../.." && pwd)

if [ -f "$build/CMakeCache.txt" ] && ! grep -q '^CMAKE_CXX_COMPILER:.*clang' "$build/CMakeCache.txt"; then
    echo "$build was configured with another compiler; use a fresh folder" >&2
    exit 2
fi
if [ -f "$build/CMakeCache.txt" ]; then
    cmake -S "$source_dir" -B "$build" -DQUANDE_FUZZ=ON >/dev/null
else
    CC=clang CXX=clang++ cmake -S "$source_dir" -B "$build" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUANDE_FUZZ=ON -DQUANDE_TESTS=OFF >/dev/null
fi
cmake --build "$build" --target fuzz_prefs -j"${JOBS:-$(nproc)}"

# Seeds: the file as the application writes it, in both states, and its payload.
corpus=$build/fuzz/corpus/prefs
artifacts=$build/fuzz/artifacts/
mkdir -p "$corpus" "$artifacts"
python3 - "$source_dir/tests/support/GoldenPrefs.h" "$corpus" <<'PY'
import re, sys
lines = re.findall(r'"((?:[0-9A-F]{2} )+[0-9A-F]{2})"', open(sys.argv[1]).read())
for name, hex_digits in zip(("golden-on", "golden-off"), lines):
    open(f"{sys.argv[2]}/{name}", "wb").write(bytes.fromhex(hex_digits))
PY
printf '\000\000\001\000\000\000\010\000\000\001\002\000\000\001a' >"$corpus/payload-entries"

# A smaller quarantine than AddressSanitizer's 256 MB keeps its own bookkeeping
# well inside the memory limit, so only the code under test can exceed it.
ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=64:detect_leaks=1} \
"$build/tests/fuzz/fuzz_prefs" -max_total_time=30 -rss_limit_mb=512 -malloc_limit_mb=256 \
    -timeout=10 -print_final_stats=1 -artifact_prefix="$artifacts" "$corpus"
