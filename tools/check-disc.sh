#!/usr/bin/env bash
# Checks a disc folder for what DemoDisc.exe looks for on it, before it is
# burnt: every catalogue item's content and description, the publication
# list and its documents, the disc's folders, start program and reader
# installer, names the image would cut, its size. Writes nothing to the
# folder, unless --fix-texts, which first rewrites its descriptions and
# publication list that are UTF-8 or have bare LF line ends as cp1251 with
# CR LF. --verify reads every file of a burnt disc back against the
# DISC.SHA256 that make-disc-image.sh wrote, with its progress on a
# terminal. Builds the checker first when needed, with g++, gcc, make, cmake
# and the headers of zlib and OpenSSL alone (a native tree of its own,
# build/check-disc; its output goes to build/check-disc.log);
# DEMODISC_CHECK_DISC names a checker to run instead.
#   check-disc.sh <disc-folder> [--json] [--strict] [--accept <file>] [--fix-texts] [--verify]
# Ends with 0 when there is no error (warnings allowed, unless --strict),
# 1 with errors, 2 for a folder that is no disc, 3 when the checker does
# not build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
checker=${DEMODISC_CHECK_DISC:-}
if [ -z "$checker" ]; then
  for tool in cmake:cmake g++:g++ gcc:gcc make:make; do
    command -v "${tool%%:*}" >/dev/null || {
      echo "check-disc.sh: ${tool%%:*} is missing, which builds the checker: install the Debian" \
        "package ${tool#*:} (apt-get install ${tool#*:})" >&2
      exit 3
    }
  done
  # The checker reads the disc's own PNG pictures with zlib, and hashes
  # the files of --verify with OpenSSL's libcrypto.
  for lib in "zlib.h:zlib1g-dev:zlib's" "openssl/evp.h:libssl-dev:OpenSSL's"; do
    IFS=: read -r header package whose <<<"$lib"
    if ! printf '#include <%s>\n' "$header" | g++ -E -x c++ - >/dev/null 2>&1; then
      echo "check-disc.sh: $whose headers are missing, which build the checker: install the" \
        "Debian package $package (apt-get install $package)" >&2
      exit 3
    fi
  done
  tree=${DEMODISC_BUILD_DIR:-$root/build}/check-disc
  log=$tree.log
  mkdir -p "$(dirname "$tree")"
  # A tree configured otherwise (by an earlier version of this command) is made anew.
  if [ -f "$tree/CMakeCache.txt" ] && ! grep -qx 'DEMODISC_TESTS:BOOL=OFF' "$tree/CMakeCache.txt"; then
    rm -rf -- "$tree"
  fi
  if ! {
    if [ ! -f "$tree/CMakeCache.txt" ]; then
      cmake -S "$root" -B "$tree" -DCMAKE_BUILD_TYPE=Release -DCMAKE_C_COMPILER=gcc \
        -DCMAKE_CXX_COMPILER=g++ -DDEMODISC_TESTS=OFF -DDEMODISC_WITH_WINDOWS=OFF \
        -DDEMODISC_SANITIZE=OFF -DDEMODISC_FUZZ=OFF
    fi
    cmake --build "$tree" -j"$(nproc)" --target check_disc
  } >"$log" 2>&1; then
    echo "check-disc.sh: the checker did not build; its output is in $log" >&2
    exit 3
  fi
  checker=$tree/check_disc
fi
exec "$checker" "$@"
