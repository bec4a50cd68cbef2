"""Every change to the file system made by a program and by every process it
starts, whoever else writes meanwhile: the program runs under strace -f,
which follows its children, and the calls that create, open for writing,
rename, remove or change a file are read back with the process that made
them.

Under Wine a program asks its Wine server to open and create files, so the
server must be one that the watched program started: WriteWatch.run ends the
prefix's server first (the caller's settle()), and the program's first call
starts a new one as its child.
"""

import os
import re
import shutil
import subprocess

# The calls that change the file system or open a file for writing, in both
# personalities (the 32-bit Wine and its server run as i386 processes).
CALLS = ("open", "openat", "openat2", "creat", "rename", "renameat", "renameat2", "unlink",
         "unlinkat", "rmdir", "mkdir", "mkdirat", "link", "linkat", "symlink", "symlinkat",
         "truncate", "truncate64", "ftruncate", "ftruncate64", "chmod", "fchmod", "fchmodat",
         "utimensat", "utimes", "mknod", "mknodat")
OPENS = ("open", "openat", "openat2", "creat")
WRITE_FLAGS = re.compile(r"\bO_(WRONLY|RDWR|CREAT|TRUNC)\b")
# Paths that are no files: devices, and the kernel's own.
NOT_FILES = ("/dev/", "/proc/", "/sys/")
# pid? call(args) = result; -y prints a descriptor's path after it: 3</a/b>.
LINE = re.compile(r"^(?:\[pid\s+)?(\d+)?\]?\s*(\w+)\((.*)\)\s+=\s+(-?\d+)(?:<([^>]*)>)?")
STRING = re.compile(r'"((?:[^"\\]|\\.)*)"')
DIRFD = re.compile(r"^(?:AT_FDCWD|\d+)<([^>]*)>")


class Change:
    def __init__(self, pid, call, path):
        self.pid, self.call, self.path = pid, call, path

    def __repr__(self):
        return f"{self.call} {self.path} (process {self.pid})"


def _unescape(text):
    return text.encode("latin-1", "backslashreplace").decode("unicode_escape").encode(
        "latin-1").decode("utf-8", "replace")


def parse(lines, pid=None):
    """The changes in strace lines (strace -y, one process's file or -f's
    lines with their pids); failed calls and read-only opens are none."""
    out = []
    for line in lines:
        m = LINE.match(line)
        if not m or m.group(2) not in CALLS or int(m.group(4)) < 0:
            continue
        line_pid, call, args, _, result_path = m.groups()
        if call in OPENS:
            if call != "creat" and not WRITE_FLAGS.search(args):
                continue
            # The descriptor's own path is absolute and resolved.
            path = _unescape(result_path or "")
        else:
            path = None
        if path is None:
            names = [_unescape(s) for s in STRING.findall(args)]
            if not names:
                # A call on a descriptor: ftruncate(3</a/b>, 0), utimensat(3</a/b>, NULL, ...).
                fd = re.match(r"\d+<([^>]*)>", args)
                if not fd:
                    continue
                names = [fd.group(1)]
            path = names[-1] if call in ("rename", "renameat", "renameat2", "link", "linkat",
                                          "symlink", "symlinkat") else names[0]
            base = DIRFD.match(args) if call.endswith("at") or call.endswith("at2") else None
            if not os.path.isabs(path) and base:
                path = os.path.join(base.group(1), path)
        out.append(Change(int(line_pid) if line_pid else pid, call, os.path.normpath(path)))
    return out


class WriteWatch:
    """Runs a command under strace -f; changes() lists what it and its
    children changed, leaving out the paths that ignore(path) accepts."""

    def __init__(self, folder, ignore=lambda path: False):
        self.folder, self.ignore = folder, ignore
        if shutil.which("strace") is None:
            raise SystemExit("e2e: strace is missing: run tools/install-deps.sh as root")

    def start(self, command, **kw):
        shutil.rmtree(self.folder, ignore_errors=True)
        os.makedirs(self.folder)
        return subprocess.Popen(
            ["strace", "-f", "-ff", "-qq", "-y", "--seccomp-bpf", "-e", "signal=none",
             "-e", "trace=" + ",".join(CALLS), "-o", os.path.join(self.folder, "trace"),
             *command], **kw)

    def changes(self):
        out = []
        for name in sorted(os.listdir(self.folder)):
            pid = int(name.rsplit(".", 1)[1])
            with open(os.path.join(self.folder, name), encoding="utf-8", errors="replace") as f:
                out += [c for c in parse(f, pid)
                        if not c.path.startswith(NOT_FILES) and not self.ignore(c.path)]
        return out
