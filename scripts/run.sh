#!/usr/bin/env bash
# Installs what is missing, builds, starts the unit simulator on 127.0.0.1 and reads
# its whole configuration with quel5ctl.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target quel5-sim quel5ctl

log=$(mktemp)
build/sim/quel5-sim --bind 127.0.0.1 --port 0 --discovery-port 0 >"$log" 2>&1 &
sim=$!
trap 'kill $sim 2>/dev/null || true; rm -f "$log"' EXIT
for _ in $(seq 50); do grep -q "listening on" "$log" && break; sleep 0.1; done
cat "$log"
port=$(sed -n 's/.*listening on 127\.0\.0\.1:\([0-9]*\).*/\1/p' "$log")

build/src/cli/quel5ctl --host 127.0.0.1 --port "$port" read demo.ql5
echo "Read the simulator's configuration into demo.ql5 ($(stat -c %s demo.ql5) bytes)."
