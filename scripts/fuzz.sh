#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs the
# data-file reader's fuzzer for the given number of seconds (default 30),
# starting from the shipped default data files. Findings go to build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
  -DVANTREL_FUZZ=ON -DVANTREL_TESTS=OFF -DVANTREL_BENCH=OFF >/dev/null
cmake --build build-fuzz --target fuzz_codeplug_file -j2
mkdir -p build-fuzz/corpus build-fuzz/findings
build-fuzz/fuzz/fuzz_codeplug_file -max_total_time="$seconds" -max_len=4096 \
  -dict=fuzz/codeplug_file.dict -artifact_prefix=build-fuzz/findings/ \
  build-fuzz/corpus data
