"""The reading of strace's lines: what counts as a change to the file system,
and the path it is reported under (lines as strace -f -y prints them)."""

import unittest

from write_watch import parse

LINES = r'''
20195 openat(AT_FDCWD</tmp>, "/etc/ld.so.cache", O_RDONLY|O_CLOEXEC) = 3</etc/ld.so.cache>
20195 openat(AT_FDCWD</tmp>, "/dev/tty", O_RDWR|O_NONBLOCK) = -1 ENXIO (No such device or address)
20196 mkdir("/tmp", 0777)               = -1 EEXIST (File exists)
20196 mkdir("/tmp/wwt", 0777)           = 0
20195 openat(AT_FDCWD</tmp>, "wwt/a", O_WRONLY|O_CREAT|O_TRUNC, 0666) = 3</tmp/wwt/a>
20197 renameat2(AT_FDCWD</tmp>, "/tmp/wwt/a", AT_FDCWD</tmp>, "/tmp/wwt/b", RENAME_NOREPLACE) = 0
20198 openat(AT_FDCWD</tmp/wwt>, "c", O_WRONLY|O_CREAT|O_NOCTTY|O_NONBLOCK, 0666) = 3</tmp/wwt/c>
20198 utimensat(0</tmp/wwt/c>, NULL, NULL, 0) = 0
20199 unlinkat(AT_FDCWD</tmp/wwt>, "b", 0) = 0
20200 openat(AT_FDCWD</tmp/wwt>, "/etc/hostname", O_RDONLY) = 3</etc/hostname>
20201 openat(AT_FDCWD</d>, "/d/\320\224\320\270\321\201\320\272.txt", O_RDWR) = 4</d/\320\224\320\270\321\201\320\272.txt>
20202 ftruncate(5</d/f>, 0) = 0
20203 open("/old", O_RDONLY|O_LARGEFILE) = 3</old>
20203 creat("/new", 0644) = 3</new>
'''.strip().splitlines()


class ParseTest(unittest.TestCase):
    def test_changes_and_their_processes(self):
        got = [(c.pid, c.call, c.path) for c in parse(LINES)]
        self.assertEqual(got, [
            (20196, "mkdir", "/tmp/wwt"),
            (20195, "openat", "/tmp/wwt/a"),
            (20197, "renameat2", "/tmp/wwt/b"),
            (20198, "openat", "/tmp/wwt/c"),
            (20198, "utimensat", "/tmp/wwt/c"),
            (20199, "unlinkat", "/tmp/wwt/b"),
            (20201, "openat", "/d/Диск.txt"),
            (20202, "ftruncate", "/d/f"),
            (20203, "creat", "/new"),
        ])

    def test_a_process_file_without_pids_takes_the_files_pid(self):
        got = parse(['mkdirat(AT_FDCWD</w>, "x", 0777) = 0'], pid=7)
        self.assertEqual([(c.pid, c.path) for c in got], [(7, "/w/x")])


if __name__ == "__main__":
    unittest.main()
