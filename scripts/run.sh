#!/usr/bin/env bash
# Builds and starts the program with three simulated radios on Com1..Com3:
# press Read or Write at once, or program all three together (each radio holds
# data/U2_NAG.cpg with a serial number of its own, SIM001..SIM003, and talks
# at 1200 baud). Closing the program stops the simulated radios. The program runs with its own
# settings in the temporary folder, so Com1 is the port chosen (a port file
# starts as "com1") and the user's own port choice and placement stay as they are.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh

radio_dir=$(mktemp -d)
build/src/app/vantrelctl simulate --pace --count 3 --image data/U2_NAG.cpg --link "$radio_dir/radio" &
radio_pid=$!
stop_radio() {
  kill "$radio_pid" 2>/dev/null || true
  wait "$radio_pid" 2>/dev/null || true
  rm -rf "$radio_dir"
}
trap stop_radio EXIT

for _ in $(seq 50); do
  [ -L "$radio_dir/radio3" ] && break
  sleep 0.1
done
[ -L "$radio_dir/radio3" ] || { echo "run.sh: the simulated radios did not start" >&2; exit 1; }

mkdir -p "$radio_dir/config"
XDG_CONFIG_HOME="$radio_dir/config" VANTREL_COM1="$radio_dir/radio1" VANTREL_COM2="$radio_dir/radio2" \
  VANTREL_COM3="$radio_dir/radio3" build/src/app/vantrel-cps "$@"
