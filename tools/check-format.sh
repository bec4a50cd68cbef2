#!/usr/bin/env bash
# Checks that every C++ file under src/, tests/ and tools/ is formatted as
# .clang-format says, and that every shell file of the repository passes
# the shell linter as .shellcheckrc sets it; prints what differs. Format the C++ with:
#   git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'tools/*.cpp' | xargs clang-format -i
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'tools/*.cpp' | xargs clang-format --dry-run --Werror
echo "format: as .clang-format says"

command -v shellcheck >/dev/null ||
  { echo "check-format: shellcheck is missing: run tools/install-deps.sh as root" >&2; exit 1; }
# Shell files: *.sh, *.bash and *.bats, and the files whose first line names a shell.
shell_files=()
while IFS= read -r -d '' f; do
  case $f in
    *.sh | *.bash | *.bats) shell_files+=("$f") ;;
    *) head -n 1 "$f" | grep -qE '^#!.*[/ ](ba)?sh( |$)' && shell_files+=("$f") ;;
  esac
done < <(git ls-files -z --cached --others --exclude-standard)
shellcheck "${shell_files[@]}"
echo "shellcheck: ${#shell_files[@]} shell files clean"
