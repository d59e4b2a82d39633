#!/usr/bin/env bash
# Builds and starts the program against a simulated radio.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec build/src/app/vantrel-cps "$@"
