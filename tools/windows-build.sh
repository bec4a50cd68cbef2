# shellcheck shell=bash
# Sourced by the tools that need the Windows builds (see cmake/windows.cmake):
#   demodisc_build_product <preset> <tree> <target>...              a product tree
#   demodisc_build_tests <preset> <tree> <DemoDisc.exe> <target>...  a tests tree
# Each configures its tree from its preset (CMakePresets.json: windows and
# windows-tests for the PE32, windows64 and windows64-tests for the PE32+
# test build) and builds the targets.

demodisc_build_product() {
  local preset=$1 tree=$2 root
  shift 2
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  (cd "$root" && cmake --preset "$preset" -B "$tree" >/dev/null)
  cmake --build "$tree" -j"$(nproc)" --target "$@"
}

demodisc_build_tests() {
  local preset=$1 tree=$2 exe=$3 root
  shift 3
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  (cd "$root" && cmake --preset "$preset" -B "$tree" -DDEMODISC_EXE="$exe" >/dev/null)
  cmake --build "$tree" -j"$(nproc)" --target "$@"
}
