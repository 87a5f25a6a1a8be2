#!/bin/sh
# Fails, naming each file, when a C++ file does not follow .clang-format.
# Format them all with: git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -eu
cd "$(dirname "$0")/.."
files=$(find framework app prefs update resources tests bench -name '*.cpp' -o -name '*.h' | sort)
# One run for all is quick; only a failure asks file by file, for the names.
# shellcheck disable=SC2086 # one word a file name
if clang-format --dry-run --Werror $files >/dev/null 2>&1; then exit 0; fi
unformatted=""
for file in $files; do
  clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted="$unformatted $file"
done
if [ -n "$unformatted" ]; then
  echo "Not formatted as .clang-format says:" >&2
  for file in $unformatted; do echo "  $file" >&2; done
  echo "Format with: git ls-files '*.cpp' '*.h' | xargs clang-format -i" >&2
  exit 1
fi
