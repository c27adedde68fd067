#!/usr/bin/env bash
# Installs the Debian packages Vaticor needs to build, run and test, when
# missing, and any further packages named on the command line.
set -euo pipefail
packages=(qt6-base-dev cmake g++ ninja-build fontconfig fonts-dejavu-core xvfb xauth poppler-utils python3
  qt6-translations-l10n locales "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
