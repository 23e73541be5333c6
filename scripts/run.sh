#!/usr/bin/env bash
# Installs what is missing, builds, starts the unit simulator on 127.0.0.1 and the tool
# with its address box aimed at it.
set -euo pipefail
cd "$(dirname "$0")/.."

extra=()
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    extra=(xvfb xauth)
fi
scripts/deps.sh "${extra[@]}"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target quel5-sim quel5ctl quel5

log=$(mktemp)
build/sim/quel5-sim --bind 127.0.0.1 --port 0 --discovery-port 0 >"$log" 2>&1 &
sim=$!
trap 'kill $sim 2>/dev/null || true; rm -f "$log"' EXIT
for _ in $(seq 50); do grep -q "administrator" "$log" && break; sleep 0.1; done
port=$(sed -n 's/.*listening on 127\.0\.0\.1:\([0-9]*\).*/\1/p' "$log")
discovery=$(sed -n 's/.*discovery on UDP port \([0-9]*\).*/\1/p' "$log")
if [[ -z "$port" ]]; then
    cat "$log"
    echo "The simulator did not start." >&2
    exit 1
fi

echo "============================================================"
cat "$log"
echo "The tool is aimed at 127.0.0.1 port $port."
echo "Log in with the administrator name and password above (menu bar: Login),"
echo "then Nastavení > Načti vše reads the simulated unit."
echo "Zobraz > Discoverer > Hledej finds the simulator (the search goes to 127.0.0.1 only)."
echo "============================================================"

if [[ ${#extra[@]} -gt 0 ]]; then
    echo "No display found: running under a virtual X server (xvfb-run)."
    xvfb-run -a build/src/gui/quel5 --address 127.0.0.1 --port "$port" \
        --discovery-target 127.0.0.1 --discovery-port "$discovery"
else
    build/src/gui/quel5 --address 127.0.0.1 --port "$port" \
        --discovery-target 127.0.0.1 --discovery-port "$discovery"
fi
