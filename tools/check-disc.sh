#!/usr/bin/env bash
# Checks a disc folder for what DemoDisc.exe looks for on it, before it is
# burnt: every catalogue item's content and description, the publication
# list and its documents, the disc's folders, start program and reader
# installer, names the image would cut, its size. Writes nothing to the
# folder. Builds the checker first when needed (a native tree of its own,
# build/check-disc; its output goes to build/check-disc.log);
# DEMODISC_CHECK_DISC names a checker to run instead.
#   check-disc.sh <disc-folder> [--json] [--strict]
# Ends with 0 when there is no error (warnings allowed, unless --strict),
# 1 with errors, 2 for a folder that is no disc, 3 when the checker does
# not build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
checker=${DEMODISC_CHECK_DISC:-}
if [ -z "$checker" ]; then
  tree=${DEMODISC_BUILD_DIR:-$root/build}/check-disc
  log=$tree.log
  mkdir -p "$(dirname "$tree")"
  if ! {
    if [ ! -f "$tree/CMakeCache.txt" ]; then
      (cd "$root" && cmake --preset native -B "$tree" -DDEMODISC_WITH_WINDOWS=OFF \
        -DDEMODISC_SANITIZE=OFF -DDEMODISC_FUZZ=OFF)
    fi
    cmake --build "$tree" -j"$(nproc)" --target check_disc
  } >"$log" 2>&1; then
    echo "check-disc.sh: the checker did not build; its output is in $log" >&2
    exit 3
  fi
  checker=$tree/check_disc
fi
exec "$checker" "$@"
