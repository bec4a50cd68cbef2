# shellcheck shell=bash
# Shared by the tools' tests: stand-ins for the machine's answers and for the
# programs the tools call, each in the test's own temporary folder.

TOOLS=$(cd "$BATS_TEST_DIRNAME/../../tools" && pwd)

# Runs a command in a shell of its own that has sourced tools/wine-env.sh
# with the tools' own shell options; functions the command needs are
# exported (export -f) by the test.
in_tools() {
  # shellcheck disable=SC2016 # expanded by that shell
  bash -c 'set -euo pipefail; . "$1"; shift; "$@"' in_tools "$TOOLS/wine-env.sh" "$@"
}

# The probe's answers, as the kernel gives them: a program that exits with
# 32 (the probe ran), a file that is no program for this kernel (what an
# i386 program is where IA-32 emulation is off: "Exec format error"), a file
# that may not be executed ("Permission denied", as on a noexec folder).
probe_runs() {
  printf '#!/bin/sh\nexit 32\n' >"$BATS_TEST_TMPDIR/probe"
  chmod +x "$BATS_TEST_TMPDIR/probe"
  export DEMODISC_I386_PROBE=$BATS_TEST_TMPDIR/probe
}
probe_exec_format_error() {
  printf '\177ELF\002\001\001\000\000\000no program' >"$BATS_TEST_TMPDIR/probe"
  chmod +x "$BATS_TEST_TMPDIR/probe"
  export DEMODISC_I386_PROBE=$BATS_TEST_TMPDIR/probe
}
probe_not_executable() {
  printf '#!/bin/sh\nexit 32\n' >"$BATS_TEST_TMPDIR/probe"
  chmod -x "$BATS_TEST_TMPDIR/probe"
  export DEMODISC_I386_PROBE=$BATS_TEST_TMPDIR/probe
}

# A Wine of stand-ins in DEMODISC_WINE_DIR: each loader and server writes
# "<its name> WINEPREFIX=<prefix> <args>" to calls.log, and wineboot makes
# the prefix's registry file. A name given is left out (a Wine missing).
fake_wine() {
  local dir=$BATS_TEST_TMPDIR/wine name
  rm -rf "$dir"
  mkdir -p "$dir"
  for name in wine wine64 wineserver32 wineserver64; do
    case " $* " in *" $name "*) continue ;; esac
    cat >"$dir/$name" <<STANDIN
#!/bin/sh
echo "$name WINEPREFIX=\$WINEPREFIX \$*" >>"$BATS_TEST_TMPDIR/calls.log"
if [ "\$1" = wineboot ]; then mkdir -p "\$WINEPREFIX" && : >"\$WINEPREFIX/system.reg"; fi
exit 0
STANDIN
    chmod +x "$dir/$name"
  done
  export DEMODISC_WINE_DIR=$dir
  : >"$BATS_TEST_TMPDIR/calls.log"
}

# Stand-in commands first on PATH: stand_in <name> <shell body>. Each call is
# logged as "<name> <args>" to commands.log before the body runs.
stand_in() {
  local dir=$BATS_TEST_TMPDIR/bin
  mkdir -p "$dir"
  printf '#!/bin/bash\necho "%s $*" >>"%s/commands.log"\n%s\n' "$1" "$BATS_TEST_TMPDIR" "$2" >"$dir/$1"
  chmod +x "$dir/$1"
  case ":$PATH:" in *":$dir:"*) ;; *) export PATH=$dir:$PATH ;; esac
}

# A PATH of everything this machine has but the named commands.
path_without() {
  local dir=$BATS_TEST_TMPDIR/path-without f name
  rm -rf "$dir"
  mkdir -p "$dir"
  for f in /usr/local/bin/* /usr/bin/* /bin/*; do
    name=${f##*/}
    case " $* " in *" $name "*) continue ;; esac
    [ -e "$dir/$name" ] || ln -s "$f" "$dir/$name"
  done
  echo "$dir"
}
