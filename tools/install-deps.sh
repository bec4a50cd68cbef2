#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, as root.
# Idempotent: when everything is present it returns after a few dpkg checks.
# Both MinGW-w64 targets are always installed (the PE32 is built on every
# machine); the Wines are those that tools/wine-env.sh chooses for this
# machine: the 32-bit one only where 32-bit code runs. Where the 32-bit Wine
# cannot be installed (its packages missing from the archive, say) it says
# so and goes on, and the test command skips the PE32's suite with that
# reason, unless DEMODISC_WINE_ARCH=win32 asks for it.
set -euo pipefail
. "$(dirname "$0")/wine-env.sh"
demodisc_choose_wine install-deps

have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
missing() {
  local p
  for p in "$@"; do have_pkg "$p" || echo "$p"; done
}

pkgs=(cmake g++ make libssl-dev googletest g++-mingw-w64-i686 binutils-mingw-w64-i686
      g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 zlib1g-dev libz-mingw-w64-dev
      fonts-wine fonts-liberation xvfb xauth xdotool x11-utils
      imagemagick ffmpeg xorriso clang clang-format libclang-rt-14-dev python3
      bats shellcheck strace zip python3-markdown osslsigncode openssl wine wine64 libwine chromium
      fuse3 python3-fusepy)
pkgs32=()
demodisc_has_arch win32 && pkgs32=(wine32:i386)

mapfile -t need < <(missing "${pkgs[@]}")
mapfile -t need32 < <(missing "${pkgs32[@]}")
[ ${#need[@]} -eq 0 ] && [ ${#need32[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: missing packages (${need[*]} ${need32[*]}); run this script as root" >&2
  exit 1
fi

log=$(demodisc_build_dir)/install-deps.log
mkdir -p "${log%/*}"
: >"$log"
export DEBIAN_FRONTEND=noninteractive
if [ ${#need32[@]} -gt 0 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
# A mirror that is syncing fails some indexes for a while; what the others
# hold may still be enough, so the installation is tried all the same.
for try in 1 2 3; do
  if apt-get update -qq >>"$log" 2>&1 && ! grep -q '^E:' "$log"; then break; fi
  [ "$try" -lt 3 ] && sleep 10 && : >"$log"
done

install() { apt-get install -y -qq --no-install-recommends "$@" >>"$log" 2>&1; }

if [ ${#need[@]} -gt 0 ] && ! install "${need[@]}"; then
  tail -n 20 "$log" >&2
  demodisc_fail "install-deps: apt-get could not install ${need[*]} (log above and in $log)"
fi
if [ ${#need32[@]} -gt 0 ] && ! install "${need32[@]}"; then
  if [ "${DEMODISC_WINE_ARCH:-}" = win32 ]; then
    tail -n 20 "$log" >&2
    demodisc_fail "install-deps: apt-get could not install ${need32[*]}, which DEMODISC_WINE_ARCH=win32" \
      "asks for (log above and in $log)"
  fi
  echo "install-deps: apt-get could not install ${need32[*]} (log in $log): the PE32's suite" \
    "will be skipped, the PE32+ build tested alone" >&2
fi
exit 0
