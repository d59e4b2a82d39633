#!/usr/bin/env bash
# Configures and builds into build/ (warnings are errors).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_WERROR=ON \
  -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@"
# A header that gains Q_OBJECT after the first build is only seen by moc when
# its scan runs again.
rm -f build/src/*_autogen/timestamp
cmake --build build
