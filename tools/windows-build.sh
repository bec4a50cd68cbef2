# Sourced by the tools that need the Windows builds (see cmake/windows.cmake):
#   demodisc_build_product <tree> <target>...                the product tree
#   demodisc_build_tests <tree> <DemoDisc.exe> <target>...   the tests tree
# Each configures its tree when needed and builds the targets.

demodisc_build_product() {
  local tree=$1 root
  shift
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  cmake -S "$root" -B "$tree" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$tree" -j"$(nproc)" --target "$@"
}

demodisc_build_tests() {
  local tree=$1 exe=$2 root
  shift 2
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  cmake -S "$root" -B "$tree" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686-tests.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DDEMODISC_EXE="$exe" >/dev/null
  cmake --build "$tree" -j"$(nproc)" --target "$@"
}
