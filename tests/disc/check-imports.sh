#!/usr/bin/env bash
# Compares what DemoDisc.exe imports (DLL:function, sorted) with the reviewed
# list, so that every new import is a deliberate change of that list: first
# what the loader binds at start, then, after a "# delay-loaded" line, what
# the exe delay-loads from the system folder.
#   check-imports.sh DemoDisc.exe expected-imports.txt
# Regenerate the list with: check-imports.sh DemoDisc.exe expected-imports.txt --update
set -euo pipefail
exe=$1 expected=$2
actual=$(i686-w64-mingw32-objdump -p "$exe" | awk '
  /DLL Name:/ { dll = tolower($3); next }
  dll != "" && /^\t[0-9a-f]+\t/ { print dll ":" $3 }
  /^$/ { dll = "" }' | LC_ALL=C sort -u)
delayed=$(python3 "$(dirname "$0")/delay-imports.py" "$exe" | LC_ALL=C sort -u)
listing=$(printf '%s\n# delay-loaded\n%s\n' "$actual" "$delayed")
if [ "${3:-}" = "--update" ]; then printf '%s\n' "$listing" > "$expected"; exit 0; fi
# Bound at start: known DLLs only, which Windows takes from the system
# folder. Any other DLL would be looked for in the program's folder first,
# before the program can restrict the search.
known='^(kernel32|user32|gdi32|advapi32|msvcrt|shell32|ole32|oleaut32)\.dll:'
if printf '%s\n' "$actual" | grep -vE "$known"; then
  echo "imports at start from a DLL that is not a known DLL (above): delay-load it" >&2
  exit 1
fi
# Delay-loaded: reviewed system DLLs only.
system='^(comctl32|winmm|oleacc|ole32|oleaut32|uxtheme|shlwapi)\.dll:'
if [ -n "$delayed" ] && printf '%s\n' "$delayed" | grep -vE "$system"; then
  echo "delay-loads from a DLL that is not a reviewed system DLL (above)" >&2
  exit 1
fi
# Functions that Windows XP SP3 lacks and that toolchains are known to pull in
# (threading, time and locale-name helpers): with one of them the exe would
# not load on XP at all.
post_xp='^kernel32\.dll:(GetTickCount64|(Initialize|Acquire|Release|TryAcquire)SRWLock[A-Za-z]*'
post_xp+='|InitializeConditionVariable|SleepConditionVariable(CS|SRW)|Wake(All)?ConditionVariable'
post_xp+='|InitOnce[A-Za-z]+|InitializeCriticalSectionEx|Fls(Alloc|Free|GetValue|SetValue)'
post_xp+='|GetLocaleInfoEx|LCMapStringEx|CompareStringEx|GetUserDefaultLocaleName|LocaleNameToLCID'
post_xp+='|GetFileInformationByHandleEx|SetFileInformationByHandle|CreateSymbolicLink[AW]'
post_xp+='|GetFinalPathNameByHandle[AW]|QueryFullProcessImageName[AW]|GetErrorMode|CancelIoEx'
post_xp+='|Create(Event|Mutex|Semaphore)Ex[AW]|GetCurrentProcessorNumber|GetThreadId)$'
if printf '%s\n' "$actual" "$delayed" | grep -E "$post_xp"; then
  echo "imports functions that Windows XP lacks (above)" >&2
  exit 1
fi
if ! diff -u "$expected" <(printf '%s\n' "$listing"); then
  echo "the imports differ from $expected: review the change and update the list" >&2
  exit 1
fi
echo "imports: $(printf '%s\n' "$actual" | wc -l) functions bound at start," \
  "$(printf '%s' "$delayed" | grep -c .) delay-loaded, as reviewed"
