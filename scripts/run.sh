#!/usr/bin/env bash
# Builds Vaticor, installs it with `cmake --install` into a folder of its own
# and starts it from there, as a player starts the unpacked package: the
# folder holds the programs, the manual, the name table, the bundled seasons
# and their league files (openfootball/), and what the program writes. The
# folder is install/ beside the sources, or VATICOR_HOME when it is set.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target vaticor vaticor-cli
home=${VATICOR_HOME:-$PWD/install}
stage=$(mktemp -d)
cmake --install build --prefix "$stage" >/dev/null
mkdir -p "$home"
for f in "$stage"/*; do
  name=$(basename "$f")
  # Seasons and the name table the player may have changed there stay his.
  case "$name" in
    Edato*.txt | nombres.csv) [ -e "$home/$name" ] && continue ;;
  esac
  cp -R "$f" "$home/"
done
rm -rf "$stage"
echo "Vaticor en $home"
exec "$home/vaticor"
