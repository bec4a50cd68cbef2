#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, as root.
# Idempotent: when everything is present it returns after a few dpkg checks.
set -euo pipefail

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

pkgs=(cmake g++ make googletest g++-mingw-w64-i686 binutils-mingw-w64-i686
      wine wine32:i386 fonts-wine fonts-liberation xvfb xauth xdotool x11-utils
      imagemagick ffmpeg xorriso clang clang-format libclang-rt-14-dev python3)
for p in "${pkgs[@]}"; do have_pkg "$p" || need+=("$p"); done

if [ ${#need[@]} -eq 0 ]; then exit 0; fi

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: missing packages (${need[*]}); run this script as root" >&2
  exit 1
fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
