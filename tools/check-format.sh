#!/usr/bin/env bash
# Checks that every C++ file under src/, tests/ and tools/ is formatted as
# .clang-format says; prints what differs. Format them with:
#   git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'tools/*.cpp' | xargs clang-format -i
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'tools/*.cpp' | xargs clang-format --dry-run --Werror
echo "format: as .clang-format says"
