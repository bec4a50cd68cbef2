"""Every change to the file system made by a program and by every process it
starts, whoever else writes meanwhile: the program runs under strace -f,
which follows its children, and the calls that create, open for writing,
rename, remove or change a file are read back with the process that made
them.

Under Wine a program asks its Wine server to open, create, rename and remove
files, so the prefix's server runs under the watch too: start_server()
starts it (the caller has ended the one before) and returns once it listens,
so that no client starts another outside the watch. The server serves only
the prefix, which the watched session has to itself.
"""

import os
import re
import shutil
import subprocess
import time

# The calls that change the file system or open a file for writing, in both
# personalities (the 32-bit Wine and its server run as i386 processes).
CALLS = ("open", "openat", "openat2", "creat", "rename", "renameat", "renameat2", "unlink",
         "unlinkat", "rmdir", "mkdir", "mkdirat", "link", "linkat", "symlink", "symlinkat",
         "truncate", "truncate64", "ftruncate", "ftruncate64", "chmod", "fchmod", "fchmodat",
         "utimensat", "utimes", "mknod", "mknodat")
OPENS = ("open", "openat", "openat2", "creat")
# Calls whose last path is the one changed.
TO_LAST = ("rename", "renameat", "renameat2", "link", "linkat", "symlink", "symlinkat")
# Traced besides: what a relative path is relative to (the working folder,
# which a child takes from its parent), and the server's listen, which tells
# that it is ready.
FOLDER_CALLS = ("chdir", "fchdir", "clone", "clone3", "fork", "vfork")
TRACED = CALLS + FOLDER_CALLS + ("listen",)

WRITE_FLAGS = re.compile(r"\bO_(WRONLY|RDWR|CREAT|TRUNC)\b")
# Paths that are no files: devices, and the kernel's own.
NOT_FILES = ("/dev/", "/proc/", "/sys/")
# pid call(args) = result; -y prints a descriptor's path after it: 3</a/b>.
LINE = re.compile(r"^(\d+)\s+(\w+)\((.*)\)\s+=\s+(-?\d+)(?:<([^>]*)>)?")
PID = re.compile(r"^(\d+)\s+(.*)$")
RESUMED = re.compile(r"^<\.\.\. (\w+) resumed>(.*)$")
STRING = re.compile(r'"((?:[^"\\]|\\.)*)"')
DIRFD = re.compile(r"^(?:AT_FDCWD|\d+)<([^>]*)>")
FD = re.compile(r"^\d+<([^>]*)>")


class Change:
    def __init__(self, pid, call, path):
        self.pid, self.call, self.path = pid, call, path

    def __repr__(self):
        return f"{self.call} {self.path} (process {self.pid})"


def _unescape(text):
    return text.encode("latin-1", "backslashreplace").decode("unicode_escape").encode(
        "latin-1").decode("utf-8", "replace")


def _joined(lines):
    """strace -f's lines with each call whole: a call that another process
    interrupted is printed "<unfinished ...>" and later "<... call resumed>"."""
    pending = {}
    for raw in lines:
        m = PID.match(raw.rstrip("\n"))
        if not m:
            continue
        pid, rest = m.groups()
        if rest.endswith("<unfinished ...>"):
            pending[pid] = rest[: -len("<unfinished ...>")].rstrip()
            continue
        r = RESUMED.match(rest)
        if r:
            rest = pending.pop(pid, r.group(1) + "(") + r.group(2)
        yield f"{pid} {rest}"


def parse(lines, cwd):
    """The changes in the lines of strace -f -y over one command started in
    the folder cwd; failed calls and read-only opens are none."""
    out = []
    folders = {}
    first = None
    for line in _joined(lines):
        m = LINE.match(line)
        if not m or int(m.group(4)) < 0:
            continue
        pid, call, args, result, result_path = m.groups()
        pid = int(pid)
        if first is None:
            first = pid
            folders[pid] = cwd
        here = folders.get(pid, "?")
        if call in ("clone", "clone3", "fork", "vfork"):
            folders[int(result)] = here
            continue
        if call == "chdir":
            names = STRING.findall(args)
            if names:
                folders[pid] = os.path.normpath(os.path.join(here, _unescape(names[0])))
            continue
        if call == "fchdir":
            fd = FD.match(args)
            if fd:
                folders[pid] = _unescape(fd.group(1))
            continue
        if call not in CALLS:
            continue
        if call in OPENS:
            if call != "creat" and not WRITE_FLAGS.search(args):
                continue
            # The descriptor's own path is absolute and resolved.
            path = _unescape(result_path or "")
        else:
            names = [_unescape(s) for s in STRING.findall(args)]
            if not names:
                # A call on a descriptor: ftruncate(3</a/b>, 0), utimensat(3</a/b>, NULL, ...).
                fd = FD.match(args)
                if not fd:
                    continue
                names = [_unescape(fd.group(1))]
            path = names[-1] if call in TO_LAST else names[0]
            if not os.path.isabs(path):
                base = DIRFD.match(args) if call.endswith(("at", "at2")) else None
                path = os.path.join(_unescape(base.group(1)) if base else here, path)
        out.append(Change(pid, call, os.path.normpath(path)))
    return out


class WriteWatch:
    """Runs commands under strace -f; changes() lists what they and their
    children changed, leaving out the paths that ignore(path) accepts."""

    def __init__(self, folder, ignore=lambda path: False):
        self.folder, self.ignore = folder, ignore
        self.traces = []  # (trace file, working folder of its command)
        if shutil.which("strace") is None:
            raise SystemExit("e2e: strace is missing: run tools/install-deps.sh as root")
        shutil.rmtree(self.folder, ignore_errors=True)
        os.makedirs(self.folder)

    def start(self, command, cwd=None, **kw):
        trace = os.path.join(self.folder, f"trace{len(self.traces)}")
        self.traces.append((trace, os.path.abspath(cwd or os.getcwd())))
        return subprocess.Popen(
            ["strace", "-f", "-qq", "-y", "--seccomp-bpf", "-e", "signal=none",
             "-e", "trace=" + ",".join(TRACED), "-o", trace, *command], cwd=cwd, **kw)

    def start_server(self, timeout=30.0):
        """The prefix's Wine server, persistent, under the watch, once it
        listens for its clients."""
        proc = self.start(["wineserver", "-f", "-p"], stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL)
        trace = self.traces[-1][0]
        end = time.time() + timeout
        while time.time() < end:
            if os.path.exists(trace):
                with open(trace, errors="replace") as f:
                    if " listen(" in f.read():
                        return proc
            if proc.poll() is not None:
                raise SystemExit(f"e2e: the Wine server under the watch ended (status {proc.returncode})")
            time.sleep(0.1)
        raise SystemExit(f"e2e: the Wine server under the watch does not listen within {timeout} s")

    def processes(self):
        """How many processes the watch followed."""
        pids = set()
        for trace, _ in self.traces:
            with open(trace, errors="replace") as f:
                pids.update(m.group(1) for m in map(PID.match, f) if m)
        return len(pids)

    def changes(self):
        out = []
        for trace, cwd in self.traces:
            with open(trace, encoding="utf-8", errors="replace") as f:
                out += [c for c in parse(f, cwd)
                        if not c.path.startswith(NOT_FILES) and not self.ignore(c.path)]
        return out
