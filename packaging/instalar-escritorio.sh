#!/bin/sh
# Adds Vaticor to the desktop's menu of programs, pointing at this folder: the
# program keeps its seasons and forecasts beside itself, so the folder stays
# where it was unpacked. Run it again after moving the folder.
set -e
here="$(cd "$(dirname "$0")" && pwd)"
apps="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
mkdir -p "$apps"
sed -e "s|^Exec=.*|Exec=\"$here/vaticor\"|" -e "s|^Icon=.*|Icon=$here/vaticor.png|" \
    -e "/^Terminal=/a Path=$here" "$here/vaticor.desktop" > "$apps/vaticor.desktop"
echo "Vaticor añadido al menú: $apps/vaticor.desktop"
