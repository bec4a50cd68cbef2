#!/usr/bin/env python3
"""A disc that fails as a real one does: a FUSE file system that shows a
folder read-only, where a chosen file's sector at a chosen offset cannot be
read (EIO), and a chosen file's first read waits a chosen time, as a drive
spinning up does. Every read is logged with the times it began and ended.

  failing_disc.py <folder> <mount point> [--eio FILE:OFFSET]... [--delay FILE:SECONDS]...
                  [--log FILE]

FILE is a path in the folder with "/" ("Hints/about.txt"). A read that
reaches the bad sector returns the bytes before it; one that starts inside
it fails. Runs in the foreground until unmounted (fusermount3 -u).

The tests use mounted(), which unmounts however the test ends, and
skip_reason(), which says why this machine cannot mount one.
"""

import argparse
import errno
import os
import shutil
import subprocess
import sys
import threading
import time

SECTOR = 2048
# fusepy is Debian's (python3-fusepy); the interpreter that runs a test may be another.
FUSE_PYTHONS = (sys.executable, "/usr/bin/python3")


def fuse_python():
    for python in FUSE_PYTHONS:
        if python and not subprocess.run([python, "-c", "import fusepy"],
                                         capture_output=True).returncode:
            return python
    return None


def skip_reason():
    """Why no FUSE file system can be mounted here, or None."""
    if not os.path.exists("/dev/fuse"):
        return "/dev/fuse is missing (a container without FUSE)"
    if not shutil.which("fusermount3"):
        return "fusermount3 is missing (tools/install-deps.sh installs fuse3)"
    if not fuse_python():
        return "fusepy is missing (tools/install-deps.sh installs python3-fusepy)"
    return None


class Mount:
    def __init__(self, point, log):
        self.point, self.log = point, log

    def reads(self, name):
        """The reads of a file so far: (offset, size, began, ended, result), result
        the bytes returned or "EIO"."""
        found = []
        if os.path.exists(self.log):
            for line in open(self.log, encoding="utf-8"):
                parts = line.rstrip("\n").split("\t")
                if parts[0] == "read" and parts[1] == name:
                    found.append((int(parts[2]), int(parts[3]), float(parts[4]), float(parts[5]),
                                  parts[6] if parts[6] == "EIO" else int(parts[6])))
        return found


class mounted:
    """Mounts `folder` at `point` with the faults for the time of a with block;
    unmounts it and ends the file system's process however the block ends."""

    def __init__(self, folder, point, eio=(), delay=()):
        self.folder, self.point = folder, point
        self.args = [a for name, offset in eio for a in ("--eio", f"{name}:{offset}")]
        self.args += [a for name, seconds in delay for a in ("--delay", f"{name}:{seconds}")]

    def __enter__(self):
        os.makedirs(self.point, exist_ok=True)
        self.log = self.point.rstrip("/") + ".log"
        if os.path.exists(self.log):
            os.remove(self.log)
        self.err = open(self.log + ".err", "wb")
        self.proc = subprocess.Popen([fuse_python(), os.path.abspath(__file__), self.folder,
                                      self.point, "--log", self.log, *self.args],
                                     stdout=subprocess.DEVNULL, stderr=self.err)
        end = time.time() + 20
        while not os.path.ismount(self.point):
            if self.proc.poll() is not None or time.time() > end:
                self.__exit__(None, None, None)
                raise SystemExit(f"failing_disc: {self.point} was not mounted")
            time.sleep(0.05)
        return Mount(self.point, self.log)

    def __exit__(self, *exc):
        for _ in range(50):
            if not os.path.ismount(self.point):
                break
            # Busy while a Wine process still has a file open there.
            if subprocess.run(["fusermount3", "-u", self.point], capture_output=True).returncode:
                time.sleep(0.2)
        else:
            subprocess.run(["fusermount3", "-uz", self.point], capture_output=True)
        try:
            self.proc.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()
        self.err.close()
        return False


def serve(folder, point, eio, delay, log_path):
    from fusepy import FUSE, FuseOSError, Operations

    log_lock = threading.Lock()

    def log(*fields):
        with log_lock, open(log_path, "a", encoding="utf-8") as f:
            f.write("\t".join(str(x) for x in fields) + "\n")

    class FailingDisc(Operations):
        def __init__(self):
            self.delayed = dict(delay)  # taken at the first read
            self.taking = threading.Lock()

        def real(self, path):
            return os.path.join(folder, path.lstrip("/"))

        def getattr(self, path, fh=None):
            try:
                st = os.lstat(self.real(path))
            except OSError as e:
                raise FuseOSError(e.errno)
            attrs = {k: getattr(st, k) for k in ("st_mode", "st_nlink", "st_size", "st_uid",
                                                "st_gid", "st_atime", "st_mtime", "st_ctime")}
            attrs["st_mode"] &= ~0o222
            return attrs

        def readdir(self, path, fh):
            return [".", ".."] + os.listdir(self.real(path))

        def readlink(self, path):
            return os.readlink(self.real(path))

        def statfs(self, path):
            st = os.statvfs(self.real(path))
            return {k: getattr(st, k) for k in ("f_bsize", "f_frsize", "f_blocks", "f_bfree",
                                               "f_bavail", "f_files", "f_ffree", "f_namemax")}

        def open(self, path, fi):
            if fi.flags & (os.O_WRONLY | os.O_RDWR):
                raise FuseOSError(errno.EROFS)
            name = path.lstrip("/")
            # Reads of a failing or slow file reach this process as the program
            # makes them, uncached.
            fi.direct_io = name in eio or name in delay
            fi.fh = os.open(self.real(path), os.O_RDONLY)
            return 0

        def read(self, path, size, offset, fi):
            name, began = path.lstrip("/"), time.time()
            with self.taking:
                wait = self.delayed.pop(name, 0)
            time.sleep(wait)
            bad = eio.get(name)
            if bad is not None and offset < bad + SECTOR and offset + size > bad:
                if offset >= bad:
                    log("read", name, offset, size, began, time.time(), "EIO")
                    raise FuseOSError(errno.EIO)
                size = bad - offset
            data = os.pread(fi.fh, size, offset)
            log("read", name, offset, size, began, time.time(), len(data))
            return data

        def release(self, path, fi):
            os.close(fi.fh)
            return 0

    FUSE(FailingDisc(), point, foreground=True, ro=True, raw_fi=True, fsname="failing_disc")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("folder")
    parser.add_argument("point")
    parser.add_argument("--eio", action="append", default=[])
    parser.add_argument("--delay", action="append", default=[])
    parser.add_argument("--log", default=os.devnull)
    a = parser.parse_args()
    split = lambda spec, kind: (spec.rsplit(":", 1)[0], kind(spec.rsplit(":", 1)[1]))
    serve(os.path.abspath(a.folder), a.point, dict(split(s, int) for s in a.eio),
          dict(split(s, float) for s in a.delay), a.log)


if __name__ == "__main__":
    main()
