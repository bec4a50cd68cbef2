# Sourced by the tools that need the Windows builds (see cmake/windows.cmake):
#   demodisc_build_product <tree> <target>...                the product tree
#   demodisc_build_tests <tree> <DemoDisc.exe> <target>...   the tests tree
# Each configures its tree from its preset (CMakePresets.json) and builds the targets.

demodisc_build_product() {
  local tree=$1 root
  shift
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  (cd "$root" && cmake --preset windows -B "$tree" >/dev/null)
  cmake --build "$tree" -j"$(nproc)" --target "$@"
}

demodisc_build_tests() {
  local tree=$1 exe=$2 root
  shift 2
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  (cd "$root" && cmake --preset windows-tests -B "$tree" -DDEMODISC_EXE="$exe" >/dev/null)
  cmake --build "$tree" -j"$(nproc)" --target "$@"
}
