#!/usr/bin/env bash
# Builds everything and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j2 --timeout 300
# The data-file reader's fuzzer: built with clang in its own tree and run
# briefly, so a crash on any input already found fails the build.
bash scripts/fuzz.sh 20
