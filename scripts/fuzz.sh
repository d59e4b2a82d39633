#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for
# the given number of seconds (default 30): the data-file reader, starting
# from the shipped default data files, and the channel-list import, starting
# from fuzz/csv-seeds. Findings go to build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
  -DVANTREL_FUZZ=ON -DVANTREL_TESTS=OFF -DVANTREL_BENCH=OFF >/dev/null
cmake --build build-fuzz --target fuzz_codeplug_file fuzz_chirp_csv -j2
mkdir -p build-fuzz/corpus build-fuzz/csv-corpus build-fuzz/findings
build-fuzz/fuzz/fuzz_codeplug_file -max_total_time="$seconds" -max_len=4096 \
  -dict=fuzz/codeplug_file.dict -artifact_prefix=build-fuzz/findings/ \
  build-fuzz/corpus data
build-fuzz/fuzz/fuzz_chirp_csv -max_total_time="$seconds" -max_len=4096 \
  -artifact_prefix=build-fuzz/findings/csv- build-fuzz/csv-corpus fuzz/csv-seeds
