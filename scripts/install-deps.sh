#!/usr/bin/env bash
# Installs the Debian packages that the build, the tool and the tests need,
# and any further packages named as arguments (scripts/fuzz.sh names its own).
# Idempotent: quiet and quick when everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-serialport-dev qt6-qpa-plugins qt6-svg-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core
  # The report's "Courier": Liberation Mono, metric-compatible with Courier New.
  fonts-liberation2
  # pdftotext, with which the tests read the report's PDFs back.
  poppler-utils
  dpkg-dev file
  "$@"
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Installing ${missing[*]} needs root (or sudo)." >&2; exit 1; }
  sudo_cmd=(sudo)
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
