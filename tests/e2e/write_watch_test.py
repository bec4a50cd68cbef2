"""The reading of strace's lines: what counts as a change to the file system,
and the path it is reported under (lines as strace -f -y prints them)."""

import unittest

from write_watch import parse

LINES = r'''
100 openat(AT_FDCWD</tmp>, "/etc/ld.so.cache", O_RDONLY|O_CLOEXEC) = 3</etc/ld.so.cache>
100 openat(AT_FDCWD</tmp>, "/dev/tty", O_RDWR|O_NONBLOCK) = -1 ENXIO (No such device or address)
100 mkdir("/tmp", 0777)               = -1 EEXIST (File exists)
100 mkdir("/tmp/wwt", 0777)           = 0
100 openat(AT_FDCWD</tmp>, "wwt/a", O_WRONLY|O_CREAT|O_TRUNC, 0666) = 3</tmp/wwt/a>
100 renameat2(AT_FDCWD</tmp>, "/tmp/wwt/a", AT_FDCWD</tmp>, "/tmp/wwt/b", RENAME_NOREPLACE) = 0
100 openat(AT_FDCWD</tmp/wwt>, "c", O_WRONLY|O_CREAT|O_NOCTTY|O_NONBLOCK, 0666) = 3</tmp/wwt/c>
100 utimensat(0</tmp/wwt/c>, NULL, NULL, 0) = 0
100 unlinkat(AT_FDCWD</tmp/wwt>, "b", 0) = 0
100 openat(AT_FDCWD</tmp/wwt>, "/etc/hostname", O_RDONLY) = 3</etc/hostname>
100 openat(AT_FDCWD</d>, "/d/\320\224\320\270\321\201\320\272.txt", O_RDWR) = 4</d/\320\224\320\270\321\201\320\272.txt>
100 ftruncate(5</d/f>, 0) = 0
100 open("/old", O_RDONLY|O_LARGEFILE) = 3</old>
100 creat("/new", 0644) = 3</new>
'''.strip().splitlines()


class ParseTest(unittest.TestCase):
    def test_changes_and_their_paths(self):
        got = [(c.call, c.path) for c in parse(LINES, "/start")]
        self.assertEqual(got, [
            ("mkdir", "/tmp/wwt"),
            ("openat", "/tmp/wwt/a"),
            ("renameat2", "/tmp/wwt/b"),
            ("openat", "/tmp/wwt/c"),
            ("utimensat", "/tmp/wwt/c"),
            ("unlinkat", "/tmp/wwt/b"),
            ("openat", "/d/Диск.txt"),
            ("ftruncate", "/d/f"),
            ("creat", "/new"),
        ])

    def test_relative_paths_follow_each_process_working_folder(self):
        # The server changes into its folder and saves the registry there; a
        # child starts where its parent was.
        lines = r'''
7 chdir("/prefix")                  = 0
7 rename("system.reg.tmp", "system.reg") = 0
7 clone(child_stack=NULL, flags=SIGCHLD) = 8
7 fchdir(4</tmp/wine-x/server-1>)   = 0
8 mkdir("sub", 0777 <unfinished ...>
7 unlink("socket")                  = 0
8 <... mkdir resumed>)              = 0
9 mkdir("orphan", 0777)             = 0
'''.strip().splitlines()
        got = [(c.pid, c.path) for c in parse(lines, "/start")]
        self.assertEqual(got, [(7, "/prefix/system.reg"), (7, "/tmp/wine-x/server-1/socket"),
                               (8, "/prefix/sub"), (9, "?/orphan")])

    def test_the_first_process_starts_in_the_commands_folder(self):
        got = parse(['5 mkdir("x", 0777) = 0', '5 chdir("..") = 0', '5 unlink("y") = 0'], "/w/d")
        self.assertEqual([c.path for c in got], ["/w/d/x", "/w/y"])


if __name__ == "__main__":
    unittest.main()
