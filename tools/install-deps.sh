#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, as root.
# Idempotent: when everything is present it returns after a few dpkg checks.
# Both MinGW-w64 targets are always installed (the PE32 is built on every
# machine); the Wines are those that tools/wine-env.sh chooses for this
# machine: the 32-bit one only where 32-bit code runs.
set -euo pipefail
. "$(dirname "$0")/wine-env.sh"
demodisc_choose_wine install-deps

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

pkgs=(cmake g++ make googletest g++-mingw-w64-i686 binutils-mingw-w64-i686
      g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
      fonts-wine fonts-liberation xvfb xauth xdotool x11-utils
      imagemagick ffmpeg xorriso clang clang-format libclang-rt-14-dev python3)
case " $DEMODISC_ARCHES " in *" win32 "*) pkgs+=(wine wine32:i386) ;; esac
case " $DEMODISC_ARCHES " in *" win64 "*) pkgs+=(wine wine64 libwine) ;; esac
for p in "${pkgs[@]}"; do have_pkg "$p" || need+=("$p"); done

if [ ${#need[@]} -eq 0 ]; then exit 0; fi

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: missing packages (${need[*]}); run this script as root" >&2
  exit 1
fi

if [[ " ${need[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
if ! apt-get install -y -qq --no-install-recommends "${need[@]}" >/tmp/demodisc-install.log 2>&1; then
  tail -n 20 /tmp/demodisc-install.log >&2
  echo "install-deps: apt-get could not install ${need[*]} (log above and in" \
    "/tmp/demodisc-install.log)" >&2
  exit 1
fi
