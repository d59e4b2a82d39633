#!/usr/bin/env bash
# Builds and starts the program with a simulated radio on Com1: press Read or
# Write at once (the radio holds data/U2_NAG.cpg and talks at 1200 baud).
# Closing the program stops the simulated radio. The program runs with its own
# settings in the temporary folder, so Com1 is the port chosen (a port file
# starts as "com1") and the user's own port choice and placement stay as they are.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh

radio_dir=$(mktemp -d)
build/src/app/vantrelctl simulate --pace --image data/U2_NAG.cpg --link "$radio_dir/radio" &
radio_pid=$!
stop_radio() {
  kill "$radio_pid" 2>/dev/null || true
  wait "$radio_pid" 2>/dev/null || true
  rm -rf "$radio_dir"
}
trap stop_radio EXIT

for _ in $(seq 50); do
  [ -L "$radio_dir/radio" ] && break
  sleep 0.1
done
[ -L "$radio_dir/radio" ] || { echo "run.sh: the simulated radio did not start" >&2; exit 1; }

mkdir -p "$radio_dir/config"
XDG_CONFIG_HOME="$radio_dir/config" VANTREL_COM1="$radio_dir/radio" build/src/app/vantrel-cps "$@"
