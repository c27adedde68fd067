#!/usr/bin/env bash
# Starts the real program under Xvfb, installed in a folder of its own as the
# package is, with a bundled season as the current one, and saves a
# screenshot of the screen: screenshots/vaticor-xvfb.png. With "inicio" the
# current season is left out, and the screenshot shows the start panel.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh imagemagick
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target vaticor vaticor-cli
program=$(mktemp -d)
cmake --install build --prefix "$program" >/dev/null
# The program loads the file of the current season by itself at start-up.
digits=$(( $(date +%m) > 7 ? $(date +%y) + 1 : 10#$(date +%y) ))
current="$program/Edato$(printf %02d $((digits % 100))).txt"
rm -f "$current"
[ "${1:-}" = "inicio" ] || cp samples/Edato14.txt "$current"
mkdir -p screenshots
export XDG_RUNTIME_DIR="$program/run"; mkdir -m 700 "$XDG_RUNTIME_DIR"
app=""
Xvfb :77 -screen 0 1366x768x24 >/dev/null 2>&1 & xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true; rm -rf "$program"' EXIT
sleep 1
DISPLAY=:77 "$program/vaticor" & app=$!
sleep 3
DISPLAY=:77 import -window root screenshots/vaticor-xvfb.png
echo "screenshots/vaticor-xvfb.png"
