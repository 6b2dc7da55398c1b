#!/usr/bin/env bash
# Installs what scripts/fuzz.sh needs beyond the build's own packages: Clang
# with its libFuzzer and sanitizer runtimes, and the symbolizer for readable
# reports. Idempotent: quiet and quick when everything is already there.
set -euo pipefail

packages=(clang-14 libclang-rt-14-dev llvm-14)

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
