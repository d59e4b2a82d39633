#!/usr/bin/env bash
# Builds everything and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
# The fuzzers of the data-file reader and the channel-list import: built
# with clang in their own tree and run briefly, so a crash on any input
# already found fails the run. Their chatter goes to a log; the last lines
# are shown when one fails.
if ! bash scripts/fuzz.sh 20 > build/fuzz.log 2>&1; then
  tail -n 40 build/fuzz.log
  echo "fuzzers: failed (log in build/fuzz.log)"
  exit 1
fi
echo "fuzzers: $(grep -E '^Done [0-9]+ runs' build/fuzz.log | paste -sd ' ' || echo 'ran') without findings"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j2 --timeout 300
